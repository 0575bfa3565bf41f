#include "ui/widgets/rich_text_document.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

#include "ui/platform/qt_text.h"

namespace {

Qt::Alignment ToQtAlignment(TRichAlignment alignment) {
  switch (alignment) {
    case TRichAlignment::Left:
      return Qt::AlignLeft;
    case TRichAlignment::Center:
      return Qt::AlignHCenter;
    case TRichAlignment::Right:
      return Qt::AlignRight;
    case TRichAlignment::Justify:
      return Qt::AlignJustify;
  }
  return Qt::AlignLeft;
}

QTextBlockFormat ToBlockFormat(const TRichParagraph& paragraph) {
  QTextBlockFormat format;
  format.setAlignment(ToQtAlignment(paragraph.Alignment));
  return format;
}

QTextCharFormat ToCharFormat(const TRichFormat& rich) {
  QTextCharFormat format;
  format.setFontWeight(rich.Bold ? QFont::Bold : QFont::Normal);
  format.setFontItalic(rich.Italic);
  format.setFontUnderline(rich.Underline);
  format.setFontStrikeOut(rich.Strike);
  format.setFontPointSize(rich.FontSize);
  if (rich.Color) format.setForeground(QColor(rich.Color->R, rich.Color->G, rich.Color->B));
  if (!rich.FontName.empty()) format.setFontFamilies({ToQString(rich.FontName)});
  return format;
}

}  // namespace

void LoadRichDocument(const TRichDocument& document, QTextDocument& target) {
  target.clear();
  QTextCursor cursor(&target);
  TRichFormat inForce;
  for (size_t i = 0; i < document.Paragraphs.size(); ++i) {
    const TRichParagraph& paragraph = document.Paragraphs[i];
    if (!paragraph.Runs.empty()) inForce = paragraph.Runs.front().Format;
    // A cleared document holds one empty block, which takes the first paragraph.
    if (i == 0) {
      cursor.setBlockFormat(ToBlockFormat(paragraph));
      cursor.setBlockCharFormat(ToCharFormat(inForce));
    } else {
      cursor.insertBlock(ToBlockFormat(paragraph), ToCharFormat(inForce));
    }
    for (const TRichRun& run : paragraph.Runs) {
      cursor.insertText(ToQString(run.Text), ToCharFormat(run.Format));
      inForce = run.Format;
    }
  }
}
