#include "platform/file_stream.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "base/errors.h"
#include "support/temp_folder.h"

namespace {

template <class E>
WideString MessageOf(const WideString& fileName, TFileMode mode) {
  try {
    TFileStreamW stream(fileName, mode);
  } catch (const E& e) {
    return e.Message();
  }
  return u"(no failure)";
}

}  // namespace

TEST(FileStream, CreateWritesAndTruncatesAndOpenReadReadsBack) {
  TTempFolder folder;
  folder.WriteFile("data.bin", "old content that is longer");
  {
    TFileStreamW out(folder.NameOf("data.bin"), TFileMode::Create);
    EXPECT_EQ(out.Size(), 0);
    out.Write("hello", 5);
    out.Write(" world", 6);
    EXPECT_EQ(out.Position(), 11);
  }
  TFileStreamW in(folder.NameOf("data.bin"), TFileMode::OpenRead);
  EXPECT_EQ(in.FileName(), folder.NameOf("data.bin"));
  EXPECT_EQ(in.Size(), 11);
  in.SetPosition(6);
  EXPECT_EQ(in.ReadRemaining(), "world");
  char buffer[4];
  in.SetPosition(8);
  EXPECT_THROW(in.ReadBuffer(buffer, 4), EOSError);
  try {
    in.Write("x", 1);
    FAIL() << "a stream opened for reading must not write";
  } catch (const EOSError& e) {
    EXPECT_EQ(e.Message(), u"Stream write error");
  }
  EXPECT_THROW(in.SetPosition(-1), EOSError);
}

TEST(FileStream, FailuresNameTheExpandedFileAndTheSystemsReason) {
  TTempFolder folder;
  folder.MakeFolder("sub");
  const WideString missing = folder.NameOf("sub/../missing.txt");
  const WideString expandedMissing = folder.NameOf("missing.txt");
  EXPECT_EQ(
      MessageOf<EFOpenError>(missing, TFileMode::OpenRead),
      u"TFileStreamW: Cannot open file \"" + expandedMissing + u"\". No such file or directory");
  EXPECT_EQ(MessageOf<EFCreateError>(folder.NameOf("nowhere/new.txt"), TFileMode::Create),
            u"TFileStreamW: Cannot create file \"" + folder.NameOf("nowhere/new.txt") +
                u"\". No such file or directory");
  // A directory opens on POSIX, but it is no file to read.
  EXPECT_EQ(MessageOf<EFOpenError>(folder.NameOf("sub"), TFileMode::OpenRead),
            u"TFileStreamW: Cannot open file \"" + folder.NameOf("sub") + u"\". Is a directory");
  EXPECT_EQ(MessageOf<EFCreateError>(folder.NameOf("sub"), TFileMode::Create),
            u"TFileStreamW: Cannot create file \"" + folder.NameOf("sub") + u"\". Is a directory");
}

// A FIFO opened for reading would wait for a writer; it is refused at once instead.
TEST(FileStream, ReadingRefusesWhatIsNoRegularFileWithoutWaiting) {
  TTempFolder folder;
  ASSERT_EQ(::mkfifo(folder.PathOf("fifo").c_str(), 0600), 0);
  EXPECT_EQ(
      MessageOf<EFOpenError>(folder.NameOf("fifo"), TFileMode::OpenRead),
      u"TFileStreamW: Cannot open file \"" + folder.NameOf("fifo") + u"\". Not a regular file");
  EXPECT_EQ(MessageOf<EFOpenError>(u"/dev/null", TFileMode::OpenRead),
            u"TFileStreamW: Cannot open file \"/dev/null\". Not a regular file");
  folder.WriteFile("plain.txt", "read as before");
  EXPECT_EQ(TFileStreamW(folder.NameOf("plain.txt"), TFileMode::OpenRead).ReadRemaining(),
            "read as before");
}
