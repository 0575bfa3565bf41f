#include "base/format.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "base/int_parse.h"

TEST(Format, IntegersWithWidthPrecisionAndAlignment) {
  EXPECT_EQ(Format(u"List index out of bounds (%d)", {-1}), u"List index out of bounds (-1)");
  EXPECT_EQ(Format(u"[%5d|%-5d|%.3d]", {42, 42, 7}), u"[   42|42   |007]");
  EXPECT_EQ(Format(u"%u %x %.4x", {-1, 255, 255}), u"4294967295 FF 00FF");
  EXPECT_EQ(Format(u"%d", {int64_t{1} << 40}), u"1099511627776");
  EXPECT_EQ(Format(u"%*d|%-*d", {4, 1, 3, 2}), u"   1|2  ");
}

TEST(Format, StringsCharactersAndIndexes) {
  EXPECT_EQ(Format(u"%s=%s", {u"wide", std::string("narr\xC3\xA9")}), u"wide=narr\u00E9");
  EXPECT_EQ(Format(u"%s%s", {u'w', 'n'}), u"wn");
  EXPECT_EQ(Format(u"%.3s|%6s", {u"abcdef", u"ab"}), u"abc|    ab");
  EXPECT_EQ(Format(u"%1:s %0:s %s", {u"a", u"b"}), u"b a b");
  EXPECT_EQ(Format(u"100%%", {}), u"100%");
}

TEST(Format, Floats) {
  EXPECT_EQ(Format(u"%1.1f", {2.25}), u"2.2");  // the C library rounds halves to even
  EXPECT_EQ(Format(u"%f", {1.0}), u"1.00");
  EXPECT_EQ(Format(u"%n", {1234567.891}), u"1,234,567.89");
  EXPECT_EQ(Format(u"%.3e", {12345.0}), u"1.23E+004");
  EXPECT_EQ(Format(u"%g|%g|%g", {0.5, 100.0, 1e20}), u"0.5|100|1E20");
  EXPECT_EQ(Format(u"%m", {TVarRec::Currency(-1234.5)}), u"-$1,234.50");
}

TEST(Format, MismatchedOrMissingArgumentsFail) {
  EXPECT_THROW(Format(u"%d", {u"text"}), EConvertError);
  EXPECT_THROW(Format(u"%s", {3}), EConvertError);
  EXPECT_THROW(Format(u"%f", {3}), EConvertError);
  EXPECT_THROW(Format(u"%d %d", {3}), EConvertError);
  EXPECT_THROW(Format(u"%q", {3}), EConvertError);
  EXPECT_THROW(Format(u"50%", {}), EConvertError);
  try {
    Format(u"%d", {});
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), u"No argument for format '%d'");
  }
}

// A "*" is padding to allocate: from a language string, a negative or huge one must not end the
// program or take gigabytes.
TEST(Format, StarWidthsAndPrecisionsOutsideTheirRangeAreRefused) {
  const auto messageOf = [](WideStringView pattern, TVarArgs args) -> WideString {
    try {
      Format(pattern, args);
    } catch (const EConvertError& e) {
      return e.Message();
    }
    return u"(no error)";
  };
  EXPECT_EQ(messageOf(u"%*d", {-5, 1}),
            u"Format '%*d' was given -5 for a \"*\", which must be from 0 to 100000");
  EXPECT_EQ(messageOf(u"%.*s", {2147483647, u"x"}),
            u"Format '%.*s' was given 2147483647 for a \"*\", which must be from 0 to 100000");
  EXPECT_EQ(messageOf(u"%*.*f", {3, -1, 2.5}),
            u"Format '%*.*f' was given -1 for a \"*\", which must be from 0 to 100000");
  EXPECT_EQ(Format(u"%*d|%.*d", {0, 7, 3, 7}), u"7|007");
  EXPECT_EQ(Format(u"%*s", {100000, u""}).size(), 100000u);
}

namespace {

WideString ConversionErrorOf(const TVarRec& value) {
  try {
    VarRecToStr(value);
  } catch (const EInvalidOperation& e) {
    return e.Message();
  }
  return u"(no error)";
}

}  // namespace

TEST(VarRec, OnlyCharacterAndStringKindsConvertToText) {
  EXPECT_EQ(VarRecToStr(u"MAP"), u"MAP");
  EXPECT_EQ(VarRecToStr(WideString(u"objects")), u"objects");
  EXPECT_EQ(VarRecToStr(std::string("abilities")), u"abilities");
  EXPECT_EQ(VarRecToStr(TVarRec::ShortString("x")), u"x");
  EXPECT_EQ(VarRecToStr('c'), u"c");
  EXPECT_EQ(VarRecToStr(u'w'), u"w");
  EXPECT_EQ(ConversionErrorOf(TVarRec(7)), u"Couldn't convert VarRec of type 0 to string.");
  EXPECT_EQ(ConversionErrorOf("narrow"), u"Couldn't convert VarRec of type 6 to string.");
  EXPECT_EQ(ConversionErrorOf(TVarRec::OfKind(vtVariant)),
            u"Couldn't convert VarRec of type 13 to string.");
}

TEST(IntParse, SignsPrefixesAndLimits) {
  EXPECT_EQ(TryStrToInt(u"  -42"), -42);
  EXPECT_EQ(TryStrToInt(u"+7"), 7);
  EXPECT_EQ(TryStrToInt(u"$1F"), 31);
  EXPECT_EQ(TryStrToInt(u"0x1f"), 31);
  EXPECT_EQ(TryStrToInt(u"X10"), 16);
  EXPECT_EQ(TryStrToInt(u"$FFFFFFFF"), -1);
  EXPECT_EQ(TryStrToInt(u"-2147483648"), INT32_MIN);
  EXPECT_EQ(TryStrToInt(u"2147483648"), std::nullopt);
  EXPECT_EQ(TryStrToInt(u""), std::nullopt);
  EXPECT_EQ(TryStrToInt(u"12 "), std::nullopt);
  EXPECT_EQ(TryStrToInt(u"1s"), std::nullopt);
  EXPECT_EQ(TryStrToInt(u"0x"), std::nullopt);
  try {
    StrToInt(u"abc");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), u"'abc' is not a valid integer value");
  }
}
