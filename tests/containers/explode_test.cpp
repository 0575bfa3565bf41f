#include "containers/explode.h"

#include <gtest/gtest.h>

#include "base/errors.h"

using Pieces = std::vector<WideString>;

TEST(Explode, EmptyPiecesComeFromEdgesAndAdjacentDelimiters) {
  EXPECT_EQ(Explode(u",", u""), (Pieces{u""}));
  EXPECT_EQ(Explode(u",", u",a,,b,"), (Pieces{u"", u"a", u"", u"b", u""}));
  EXPECT_EQ(Explode(u",", u",a,,b,", 0, true), (Pieces{u"a", u"b"}));
  EXPECT_EQ(Explode(u",", u"", 0, true), Pieces{});
  EXPECT_EQ(Explode(u"::", u"a::b:c::"), (Pieces{u"a", u"b:c", u""}));
  EXPECT_EQ(Explode(u"x", u"aXbxc"), (Pieces{u"aXb", u"c"}));  // case-sensitive
  EXPECT_EQ(Explode(u"", u"a,b"), (Pieces{u"a,b"}));
}

TEST(Explode, LimitLeavesTheRestUnsplitInTheLastPiece) {
  EXPECT_EQ(Explode(u" ", u"3 5 8", 2), (Pieces{u"3", u"5 8"}));
  EXPECT_EQ(Explode(u" ", u"3 5 8", 3), (Pieces{u"3", u"5", u"8"}));
  EXPECT_EQ(Explode(u" ", u"3 5 8", 9), (Pieces{u"3", u"5", u"8"}));
  EXPECT_EQ(Explode(u" ", u"3 5 8", 1), (Pieces{u"3 5 8"}));
  EXPECT_EQ(Explode(u",", u"a,b,", 2), (Pieces{u"a", u"b,"}));
  EXPECT_EQ(Explode(u",", u",,a,b", 2, true), (Pieces{u"a", u"b"}));
}

TEST(Explode, MoreThan65536PiecesFail) {
  EXPECT_EQ(Explode(u",", WideString(65535, u',')).size(), 65536u);
  EXPECT_EQ(Explode(u",", WideString(70000, u','), 0, true).size(), 0u);
  try {
    Explode(u",", WideString(65536, u','));
    FAIL() << "no error";
  } catch (const EOutOfMemory& error) {
    EXPECT_EQ(error.Message(), u"Explode does not support more than 65536 pieces.");
  }
}
