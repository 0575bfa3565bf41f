#include <gtest/gtest.h>

#include "base/errors.h"
#include "platform/file_stream.h"
#include "platform/memory_stream.h"

TEST(MemoryStream, WritingPastTheEndFillsTheGapAndReadingStopsAtTheEnd) {
  TMemoryStream stream;
  stream.Write("abc", 3);
  stream.SetPosition(5);
  stream.Write("x", 1);
  EXPECT_EQ(stream.Bytes(), std::string("abc\0\0x", 6));

  stream.SetPosition(1);
  EXPECT_EQ(stream.ReadRemaining(), std::string("bc\0\0x", 5));
  EXPECT_EQ(stream.Position(), 6);
  char byte;
  EXPECT_EQ(stream.Read(&byte, 1), 0u);
  stream.SetPosition(9);
  EXPECT_EQ(stream.Read(&byte, 1), 0u);
  EXPECT_EQ(stream.ReadRemaining(), "");

  stream.Clear();
  EXPECT_EQ(stream.Size(), 0);
  EXPECT_EQ(stream.Position(), 0);
}

TEST(MemoryStream, ReadBufferAndSeekingRefuseWhatCannotBeDone) {
  TMemoryStream stream(std::string("12345"));
  stream.SetPosition(3);
  char buffer[3];
  try {
    stream.ReadBuffer(buffer, 3);
    FAIL() << "a short read must fail";
  } catch (const EOSError& e) {
    EXPECT_EQ(e.Message(), u"Stream read error");
  }
  stream.SetPosition(2);
  stream.ReadBuffer(buffer, 3);
  EXPECT_EQ(std::string(buffer, 3), "345");

  try {
    stream.SetPosition(-1);
    FAIL() << "a negative position must fail";
  } catch (const EOSError& e) {
    EXPECT_EQ(e.Message(), u"Stream seek error");
  }
  EXPECT_EQ(stream.Position(), 5);
}

TEST(MemoryStream, CopyFromTakesTheSourceFromItsPositionInManyChunks) {
  std::string big(200'000, '\0');
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7 + i / 256);
  TMemoryStream source(big);
  source.SetPosition(2);
  TMemoryStream target(std::string("head"));
  target.SetPosition(4);
  target.CopyFrom(source);
  EXPECT_EQ(target.Bytes(), "head" + big.substr(2));
  EXPECT_EQ(source.Position(), source.Size());
}

TEST(MemoryStream, IsAStreamOfTheClassModel) {
  TMemoryStream stream;
  EXPECT_EQ(stream.ClassName(), u"TMemoryStream");
  EXPECT_TRUE(stream.Is<TStream>());
  EXPECT_FALSE(stream.Is<TFileStreamW>());
  EXPECT_EQ(TFileStreamW::StaticClass().Parent, &TStream::StaticClass());
}
