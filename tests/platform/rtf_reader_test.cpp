#include "platform/rtf_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/utf8.h"

namespace {

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in) << "cannot open " << path;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

TRichDocument Read(std::string_view rtf) {
  std::optional<TRichDocument> document = ReadRtf(rtf);
  EXPECT_TRUE(document.has_value()) << rtf;
  return document.value_or(TRichDocument{});
}

// The runs of a paragraph as "<tags>text": b i u s for the styles, then the size when it is not
// 12 points and the colour when it is not automatic; so "<b 18>The Meadow<>, said".
std::string Describe(const TRichParagraph& paragraph) {
  std::string out;
  for (const TRichRun& run : paragraph.Runs) {
    const TRichFormat& f = run.Format;
    std::string tags;
    if (f.Bold) tags += 'b';
    if (f.Italic) tags += 'i';
    if (f.Underline) tags += 'u';
    if (f.Strike) tags += 's';
    char extra[32];
    if (f.FontSize != 12) {
      std::snprintf(extra, sizeof extra, " %g", f.FontSize);
      tags += extra;
    }
    if (f.Color) {
      std::snprintf(extra, sizeof extra, " #%02x%02x%02x", f.Color->R, f.Color->G, f.Color->B);
      tags += extra;
    }
    out += "<" + tags + ">" + Utf8Encode(run.Text);
  }
  return out;
}

std::string Describe(const TRichDocument& document) {
  std::string out;
  for (const TRichParagraph& paragraph : document.Paragraphs) out += Describe(paragraph) + "|";
  return out;
}

}  // namespace

TEST(RtfReader, TellsRichTextFromPlainTextAsTheIntroWindowNeeds) {
  EXPECT_TRUE(IsRtf("{\\rtf1\\ansi Hello}"));
  EXPECT_TRUE(IsRtf("{\\rtf"));
  EXPECT_FALSE(IsRtf(""));
  EXPECT_FALSE(IsRtf("{\\rt"));
  EXPECT_FALSE(IsRtf(" {\\rtf1 Hello}"));
  EXPECT_FALSE(IsRtf("\xEF\xBB\xBF{\\rtf1 Hello}"));
  EXPECT_FALSE(ReadRtf("The Hedge Maze\n\n{\\b not rich}").has_value());

  // Every shipped introduction is read as what its name says, and no RTF syntax shows.
  int richIntros = 0;
  for (const auto& entry : std::filesystem::directory_iterator(SW_DATA_DIR "/maps")) {
    const std::string name = entry.path().filename().string();
    if (name.find("intro") == std::string::npos) continue;
    const std::string bytes = ReadBytes(entry.path().string());
    const bool rich = entry.path().extension() == ".rtf";
    EXPECT_EQ(IsRtf(bytes), rich) << name;
    if (!rich) continue;
    ++richIntros;
    const WideString text = Read(bytes).Text();
    EXPECT_GT(text.size(), 100u) << name;
    EXPECT_EQ(text.find_first_of(u"\\{}"), WideString::npos) << name;
  }
  EXPECT_GE(richIntros, 1);
}

TEST(RtfReader, ReadsTheShippedGenesisIntro) {
  const TRichDocument document = Read(ReadBytes(SW_DATA_DIR "/maps/genesis intro.rtf"));
  ASSERT_EQ(document.Paragraphs.size(), 10u);
  EXPECT_EQ(Describe(document.Paragraphs[0]), "<b 16>Genesis");
  EXPECT_EQ(Describe(document.Paragraphs[1]), "<i 10>The first spring of a new garden.");
  EXPECT_TRUE(document.Paragraphs[2].Runs.empty());
  // One delimiter space goes with "\b0", the second one is text.
  EXPECT_EQ(Describe(document.Paragraphs[3]),
            "< 11>The ground has thawed, and your first flowers stand in the south-west corner: a "
            "<b 11>Bloomer< 11>, a <b 11>Melly< 11> and an <b 11>Oracle< 11>. A young bloomer "
            "seed is already pushing up beside them.");
  for (const TRichParagraph& paragraph : document.Paragraphs) {
    EXPECT_EQ(paragraph.Alignment, TRichAlignment::Left);
    for (const TRichRun& run : paragraph.Runs) {
      EXPECT_EQ(run.Format.FontName, u"Georgia");
      EXPECT_FALSE(run.Format.Color.has_value());
    }
  }
}

TEST(RtfReader, ReadsWhatPandocWrites) {
  const TRichDocument document = Read(ReadBytes(SW_SAMPLES_DIR "/rtf/pandoc-meadow.rtf"));
  EXPECT_EQ(Describe(document),
            "<b 18>The Meadow|"
            "<i>A quiet corner<> of the garden, where <b>clover<> and <i>wild thyme<> grow side "
            "by side.|"
            "<>Plant your seeds on <b>fertile<> ground \u2014 the soil here is rich, "
            "caf\u00e9-brown and warm. Weeds creep in from the north: keep them back with "
            "puddles.|"
            "<>\u2022\tBloomers plant seeds|"
            "<>\u2022\tMellies earn mana|"
            "<>\u2022\tOracles see far (\u98a8\u8349)|"
            "<>Good luck, gardener!|");
  for (const TRichParagraph& paragraph : document.Paragraphs)
    for (const TRichRun& run : paragraph.Runs) EXPECT_EQ(run.Format.FontName, u"Helvetica");
}

TEST(RtfReader, ReadsWhatEnscriptWritesAsItsSourceSaysWithLineBreaks) {
  const TRichDocument document = Read(ReadBytes(SW_SAMPLES_DIR "/rtf/enscript-drought.rtf"));
  WideString expected = Utf8Decode(ReadBytes(SW_SAMPLES_DIR "/rtf/enscript-drought.source.txt"));
  ASSERT_FALSE(expected.empty());
  for (char16_t& c : expected)
    if (c == u'\n') c = u'\u2028';
  ASSERT_EQ(document.Paragraphs.size(), 1u);
  ASSERT_EQ(document.Paragraphs[0].Runs.size(), 1u);
  EXPECT_EQ(document.Paragraphs[0].Runs[0].Text, expected);
  EXPECT_EQ(document.Paragraphs[0].Runs[0].Format.FontName, u"Courier New");
  EXPECT_EQ(document.Paragraphs[0].Runs[0].Format.FontSize, 12);
}

TEST(RtfReader, GroupsKeepTheirFormatAndParagraphsTheirAlignment) {
  const TRichDocument document = Read(
      "{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\froman Times New Roman {\\*\\falt Times};}"
      "\\f1\\fswiss Arial;}"
      "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue255;}\r\n"
      "\\qc\\fs28 a{\\b b{\\i\\cf1 c}\\ul d\\ulnone e}f\\strike g\\strike0\\cf2 h\\cf0 i\\par\r\n"
      "\\pard\\qr {\\f0 x}\\plain y\\par\n"
      "{\\pard\\uldb u\\ul0 v\\par}"
      "{\\qj\\b1 w\\b0 {\\qc\\b} la\\f1 st}}");
  EXPECT_EQ(Describe(document),
            "< 14>a<b 14>b<bi 14 #ff0000>c<bu 14>d<b 14>e< 14>f<s 14>g< 14 #0080ff>h< 14>i|"
            "< 14>x<>y|"
            "<u>u<>v|"
            "<b>w<> last|");
  ASSERT_EQ(document.Paragraphs.size(), 4u);
  EXPECT_EQ(document.Paragraphs[0].Alignment, TRichAlignment::Center);
  EXPECT_EQ(document.Paragraphs[1].Alignment, TRichAlignment::Right);
  EXPECT_EQ(document.Paragraphs[2].Alignment, TRichAlignment::Left);  // \pard forgets \qr
  // Without \par, the alignment the text was added with; the group that set \qc added none.
  EXPECT_EQ(document.Paragraphs[3].Alignment, TRichAlignment::Justify);
  EXPECT_EQ(document.Paragraphs[0].Runs[0].Format.FontName, u"Arial");  // \deff1
  EXPECT_EQ(document.Paragraphs[1].Runs[0].Format.FontName, u"Times New Roman");
  EXPECT_EQ(document.Paragraphs[1].Runs[1].Format.FontName, u"Arial");
  // Naming the default font does not start a new run.
  EXPECT_EQ(document.Paragraphs[3].Runs.size(), 2u);
}

TEST(RtfReader, DecodesEscapesCodePagesAndUnicode) {
  // Code page 1252, its 0x80-0x9F range included; raw bytes as UTF-8 when they form it.
  EXPECT_EQ(Read("{\\rtf1\\ansi\\ansicpg1252 \\'80\\'93\\'e9\\'E9\\'9f\\'41 caf\xC3\xA9 \xE9t\xE9}")
                .Text(),
            u"\u20AC\u201C\u00E9\u00E9\u0178A caf\u00E9 \u00E9t\u00E9");
  // The document's code page, overridden by the font's character set.
  EXPECT_EQ(Read("{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0 A;}{\\f1\\fcharset238 B;}"
                 "{\\f2\\fcharset0 C;}}\\'c0\\'ff\\'b8 {\\f1\\'b9\\'9c}{\\f2\\'e9}}")
                .Text(),
            u"\u0410\u044F\u0451 \u0105\u015B\u00E9");
  // \uN with its fallback: one character by default, \ucN of them, or none; a group ends it.
  EXPECT_EQ(Read("{\\rtf1 \\u8212-x\\u233\\'e9y {\\uc2\\u20320\\'c4\\'e3z}"
                 "\\uc0\\u-255 !\\u-10179\\u-8694 {\\uc2\\u26085?}A}")
                .Text(),
            u"\u2014x\u00E9y \u4F60z\uFF01!\U0001F60A\u65E5A");
  // Control symbols and words that stand for characters; \line and \tab in the run text.
  EXPECT_EQ(Read("{\\rtf1 \\\\\\{\\}\\~\\-\\_\\emdash\\endash\\bullet"
                 "\\lquote\\rquote\\ldblquote\\rdblquote \\line\\tab.}")
                .Text(),
            u"\\{}\u00A0\u00AD\u2011\u2014\u2013\u2022\u2018\u2019\u201C\u201D\u2028\t.");
  // Exactly one space ends a control word; digits and "-" belong to it only as its parameter.
  EXPECT_EQ(Read("{\\rtf1 \\b0  one\\i-two\\fs20x\\b0\\i0  \r\n three\\par\\\nfour}").Text(),
            u" one-twox  three\n\nfour");
}

TEST(RtfReader, ShowsNothingOfSkippedDestinations) {
  const TRichDocument document = Read(
      "{\\rtf1\\ansi{\\fonttbl{\\f0 Hidden "
      "Font;}}{\\*\\oldcolors{\\colortbl;\\red9\\green9\\blue9;}}"
      "{\\colortbl;\\red1\\green2\\blue3;}"
      "{\\stylesheet{\\s0 Normal Style;}}{\\info{\\title A title}{\\author Someone}}"
      "{\\*\\generator Riched20 10.0;}{\\*\\unknown{\\nested text} more}"
      "{\\header head\\par}{\\footerl foot}{\\headerf {\\b first}}"
      "{\\pict\\pngblip\\bin5 }{x\\}\\picw10 0a0b}"
      "Shown {\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt {\\ul\\cf1 link}}} and "
      "{\\field{\\fldinst PAGE}{\\fldrslt 7}}{\\v hidden} \\unknownword42 text.\\par}");
  EXPECT_EQ(Describe(document), "<>Shown <u #010203>link<> and 7 text.|");
}

TEST(RtfReader, ReadsWhatIsThereOfBrokenInput) {
  EXPECT_EQ(Read("{\\rtf1 {\\b open").Text(), u"open");
  EXPECT_EQ(Read("{\\rtf1 a}b{\\rtf1 c}").Text(), u"a");
  EXPECT_EQ(Read("{\\rtf1 a}}}b").Text(), u"a");
  for (const char* tail : {"\\", "\\'", "\\'4", "\\'4x", "\\u", "\\u-", "\\uc", "\\bin99 ab",
                           "\\fs99999999999999999999 z", "{\\*", "\\u65 \\'", "\xC3", "\xE2\x82"})
    EXPECT_NO_THROW(Read(std::string("{\\rtf1 ok") + tail)) << tail;
  EXPECT_EQ(Read("{\\rtf1 \\'4x}").Text(), u"x");

  // Deep nesting and every prefix of a real file.
  const std::string deep = "{\\rtf1 " + std::string(100000, '{') + "\\b deep" + "}}";
  EXPECT_EQ(Read(deep).Text(), u"deep");
  const std::string sample = ReadBytes(SW_SAMPLES_DIR "/rtf/pandoc-meadow.rtf");
  const WideString whole = Read(sample).Text();
  for (size_t length = 5; length <= sample.size(); ++length) {
    const WideString text = Read(sample.substr(0, length)).Text();
    ASSERT_LE(text.size(), whole.size() + 1) << length;
  }
}
