#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "base/rounding.h"
#include "base/upper_case.h"
#include "base/utf8.h"
#include "base/wide_string.h"

TEST(Utf8, DecodesUpToThreeBytesAndKeepsTheByteOrderMark) {
  EXPECT_EQ(Utf8Decode("a\xC3\xA9\xE2\x82\xAC"), u"a\u00E9\u20AC");
  EXPECT_EQ(Utf8Decode("\xEF\xBB\xBF[x]"), u"\uFEFF[x]");
}

TEST(Utf8, AnyMalformedSequenceEmptiesTheWholeText) {
  EXPECT_EQ(Utf8Decode("caf\xE9 au lait"), u"");   // lone Latin-1 byte
  EXPECT_EQ(Utf8Decode("ok\xE2\x82"), u"");        // truncated at the end
  EXPECT_EQ(Utf8Decode("\xF0\x9F\x98\x80"), u"");  // four-byte sequence
  EXPECT_EQ(Utf8Decode("\xC0\x80"), u"");          // overlong NUL
  EXPECT_EQ(Utf8Decode("\xE0\x80\x80"), u"");      // overlong three-byte form
  EXPECT_EQ(Utf8Decode("\x80"), u"");              // continuation as lead
}

TEST(Utf8, EncodingRoundTripsEveryCodeUnitIncludingSurrogates) {
  WideString all;
  for (char32_t unit = 1; unit <= 0xFFFF; ++unit) all.push_back(static_cast<char16_t>(unit));
  EXPECT_EQ(Utf8Decode(Utf8Encode(all)), all);
  EXPECT_EQ(Utf8Encode(u"\u00E9"), "\xC3\xA9");
}

TEST(Utf8, FaultsAreFoundWithTheirByteAndLineAndEscapedForMessages) {
  EXPECT_EQ(FindUtf8Fault("[a]\r\nx=caf\xC3\xA9\n"), std::nullopt);
  const std::optional<TUtf8Fault> fault = FindUtf8Fault("[a]\r\nx=1\ry=2\n\nz=caf\xE9");
  ASSERT_TRUE(fault);
  EXPECT_EQ(Utf8FaultText(*fault), u"byte E9 at line 5");  // CR LF once, CR and LF each once
  EXPECT_EQ(Utf8FaultText(*FindUtf8Fault("\xFF\xFE[\0a\0]\0")), u"byte FF at line 1");
  EXPECT_EQ(Utf8FaultText(*FindUtf8Fault("ok\n\xF0\x9F\x98\x80")), u"byte F0 at line 2");

  EXPECT_EQ(EscapedText("caf\xC3\xA9 \xE9\xFF\xFE\t\x7F!"),
            u"caf\u00E9 \\xE9\\xFF\\xFE\\x09\\x7F!");
  EXPECT_EQ(EscapedText("ok\xE2\x82"), u"ok\\xE2\\x82");
}

TEST(UpperCase, MapsEachUnitAndNeverChangesTheLength) {
  EXPECT_EQ(WideUpperCase(u"abc\u00E9\u0101z"), u"ABC\u00C9\u0100Z");
  EXPECT_EQ(WideUpperCase(u"\u00DF").size(), 1u);  // sharp s has no one-unit capital
  EXPECT_EQ(WideLowerCase(u"TSWAbility_RemovePath"), u"tswability_removepath");
  EXPECT_TRUE(SameTextW(u"Objects", u"OBJECTS"));
  EXPECT_FALSE(SameTextW(u"Objects", u"Object"));
}

TEST(Text, TrimRemovesControlCharactersAndBlanksOnly) {
  EXPECT_EQ(Trim(u"\t  key = 1 \r\n"), u"key = 1");
  EXPECT_EQ(Trim(u" \x01 "), u"");
  EXPECT_EQ(Trim(u"\u00A0x\u00A0"), u"\u00A0x\u00A0");
}

TEST(Rounding, TiesGoToEven) {
  EXPECT_EQ(RoundTiesEven(2.5), 2);
  EXPECT_EQ(RoundTiesEven(3.5), 4);
  EXPECT_EQ(RoundTiesEven(-2.5), -2);
  EXPECT_EQ(RoundTiesEven(2.6), 3);
}

namespace {

// Whether `percent` is part x 100 / whole rounded to the nearest, ties to even, checked exactly
// on the rational distance between the two.
bool IsNearestPercent(int64_t part, int64_t whole, int64_t percent) {
  const int64_t twiceDistance = 2 * std::abs(part * 100 - percent * whole);
  return twiceDistance < whole || (twiceDistance == whole && percent % 2 == 0);
}

}  // namespace

TEST(Rounding, PercentsAreExactWithTiesToEven) {
  EXPECT_EQ(PercentTiesEven(23, 40), 58);
  EXPECT_EQ(PercentTiesEven(1, 200), 0);
  EXPECT_EQ(PercentTiesEven(3, 200), 2);
  EXPECT_EQ(PercentTiesEven(-23, 40), -58);
  EXPECT_EQ(PercentTiesEven(2'000'000'000, 2'000'000'000), 100);
  EXPECT_EQ(PercentTiesEven(1'000'000'001, 2'000'000'000), 50);
  for (int32_t whole = 1; whole <= 3000; ++whole)
    for (int32_t part = -whole; part <= 2 * whole; ++part)
      ASSERT_TRUE(IsNearestPercent(part, whole, PercentTiesEven(part, whole)))
          << part << " of " << whole << " gave " << PercentTiesEven(part, whole);
}

TEST(Text, FindUnescapedSkipsSeparatorsAfterABackslash) {
  EXPECT_EQ(FindUnescaped(u"a\\:b:c", u':'), 4u);
  EXPECT_EQ(FindUnescaped(u":x", u':'), 0u);
  EXPECT_EQ(FindUnescaped(u"a\\-b", u'-'), WideStringView::npos);
}
