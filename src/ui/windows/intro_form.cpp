#include "ui/windows/intro_form.h"

#include <QShowEvent>
#include <QStringDecoder>
#include <QTextCursor>
#include <QVBoxLayout>
#include <optional>

#include "base/errors.h"
#include "base/utf8.h"
#include "map/map_info.h"
#include "platform/rtf_reader.h"
#include "ui/platform/qt_text.h"
#include "ui/platform/screen_placement.h"
#include "ui/widgets/rich_text_document.h"
#include "ui/widgets/transparent_rich_edit.h"

namespace {

constexpr QSize kDesignSize(505, 393);

// Plain text is UTF-8; bytes that are not (a file saved by an older editor) are read in
// Windows-1252, the code page the rich text reader falls back to as well. None when that code
// page is not available either.
std::optional<QString> DecodePlainText(const std::string& bytes) {
  const WideString utf8 = Utf8Decode(bytes);
  if (!utf8.empty() || bytes.empty()) return ToQString(utf8);
  QStringDecoder windows1252("windows-1252");
  if (!windows1252.isValid()) return std::nullopt;
  return QString(windows1252.decode(QByteArrayView(bytes.data(), bytes.size())));
}

}  // namespace

TIntroForm::TIntroForm(QWidget* parent)
    : QDialog(parent, Qt::Tool), mm(new TTransparentRichEdit(this)) {
  QPalette face = mm->palette();
  face.setColor(QPalette::Base, face.color(QPalette::Window));
  mm->setPalette(face);
  mm->SetFillWithColor(false);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(mm);
  resize(kDesignSize);
}

void TIntroForm::Load(const TSWMapInfo& info) {
  setWindowTitle(ToQString(info.Name()));
  if (info.Intro() != nullptr) LoadIntro(info.Intro()->Bytes());
  const TPngImage* picture = info.BkImage();
  mm->SetFillWithColor(picture == nullptr);
  if (picture != nullptr) {
    mm->SetBackground(picture);
    FitToPicture(QSize(picture->Width(), picture->Height()));
  }
}

void TIntroForm::LoadIntro(const std::string& bytes) {
  if (const std::optional<TRichDocument> rich = ReadRtf(bytes)) {
    LoadRichDocument(*rich, *mm->document());
  } else if (const std::optional<QString> plain = DecodePlainText(bytes)) {
    mm->setPlainText(*plain);
  } else {
    Raise<EOutOfMemory>(u"Out of system resources.");
  }
  mm->moveCursor(QTextCursor::Start);
}

void TIntroForm::FitToPicture(QSize picture) {
  // A limit left by an earlier, smaller picture must not hold this one back.
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  resize(picture);
  setMaximumSize(size());
}

void TIntroForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) CenterOnScreen(*this);
}
