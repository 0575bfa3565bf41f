// Rich text documents shown in Qt's text engine.
#include "ui/widgets/rich_text_document.h"

#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <fstream>
#include <sstream>

namespace {

TRichRun MakeRun(const char16_t* text, TRichFormat format) { return {text, std::move(format)}; }

// The format of the character at `position`.
QTextCharFormat FormatAt(QTextDocument& document, int position) {
  QTextCursor cursor(&document);
  cursor.setPosition(position + 1);
  return cursor.charFormat();
}

TEST(RichTextDocumentTest, ParagraphsAndRunsKeepTheirFormats) {
  TRichFormat bold;
  bold.Bold = true;
  bold.Color = TRichColor{200, 0, 0};
  bold.FontName = u"Georgia";
  TRichFormat decorated;
  decorated.Italic = true;
  decorated.Underline = true;
  decorated.Strike = true;
  decorated.FontSize = 20;
  TRichDocument rich;
  rich.Paragraphs = {
      {TRichAlignment::Center, {MakeRun(u"Bold", bold), MakeRun(u" plain\u2028next line", {})}},
      {TRichAlignment::Right, {MakeRun(u"styled", decorated)}},
      {TRichAlignment::Justify, {}},
  };
  QTextDocument document;
  document.setPlainText(QStringLiteral("replaced"));
  LoadRichDocument(rich, document);

  ASSERT_EQ(document.blockCount(), 3);
  EXPECT_EQ(document.begin().text(), QStringLiteral("Bold plain\u2028next line"));
  EXPECT_EQ(document.begin().next().text(), QStringLiteral("styled"));
  EXPECT_EQ(document.lastBlock().text(), QString());
  EXPECT_EQ(document.begin().blockFormat().alignment(), Qt::AlignHCenter);
  EXPECT_EQ(document.begin().next().blockFormat().alignment(), Qt::AlignRight);

  const QTextCharFormat first = FormatAt(document, 0);
  EXPECT_EQ(first.fontWeight(), QFont::Bold);
  EXPECT_EQ(first.foreground().color(), QColor(200, 0, 0));
  EXPECT_EQ(first.fontFamilies().toStringList(), QStringList{QStringLiteral("Georgia")});
  const QTextCharFormat plain = FormatAt(document, 5);
  EXPECT_EQ(plain.fontWeight(), QFont::Normal);
  EXPECT_FALSE(plain.hasProperty(QTextFormat::ForegroundBrush));  // the widget's text colour
  EXPECT_DOUBLE_EQ(plain.fontPointSize(), 12);

  const QTextCharFormat styled = FormatAt(document, 22);
  EXPECT_TRUE(styled.fontItalic());
  EXPECT_TRUE(styled.fontUnderline());
  EXPECT_TRUE(styled.fontStrikeOut());
  EXPECT_DOUBLE_EQ(styled.fontPointSize(), 20);
  // The empty paragraph is as high as the text before it.
  EXPECT_DOUBLE_EQ(document.lastBlock().charFormat().fontPointSize(), 20);
}

TEST(RichTextDocumentTest, TheShippedIntroductionShowsItsText) {
  std::ifstream file(SW_DATA_DIR "/maps/genesis intro.rtf", std::ios::binary);
  ASSERT_TRUE(file);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  const std::optional<TRichDocument> rich = ReadRtf(bytes.str());
  ASSERT_TRUE(rich);
  QTextDocument document;
  LoadRichDocument(*rich, document);

  const QString text = document.toPlainText();
  EXPECT_TRUE(text.startsWith(QStringLiteral("Genesis\nThe first spring of a new garden.\n")));
  EXPECT_TRUE(text.contains(QStringLiteral("Weeds are creeping in from the north-east.")));
  const QTextCharFormat title = FormatAt(document, 0);
  EXPECT_EQ(title.fontWeight(), QFont::Bold);
  EXPECT_DOUBLE_EQ(title.fontPointSize(), 16);
  EXPECT_EQ(title.fontFamilies().toStringList(), QStringList{QStringLiteral("Georgia")});
}

}  // namespace
