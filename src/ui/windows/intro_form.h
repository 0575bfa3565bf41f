#pragma once
// The window that shows a map's introduction over the map's background picture. It is a
// sizeable tool window of 505 x 393, centred on the screen whenever it is shown, filled by its
// rich text box `mm`. Load fills it from the map's header; the owner then shows it modally.
#include <QDialog>
#include <string>

class TSWMapInfo;
class TTransparentRichEdit;

class TIntroForm : public QDialog {
  Q_OBJECT

 public:
  explicit TIntroForm(QWidget* parent = nullptr);

  // The title := the map's name; the introduction, when the map has one, is read as rich text
  // when it is RTF and as plain text otherwise (UTF-8, or Windows-1252 when the bytes are not
  // UTF-8). With a background picture the box shows it, the window's client area takes its size
  // and cannot be enlarged past it; without one the box fills with its colour. Fails with
  // EOutOfMemory "Out of system resources." when the text can be read neither way.
  void Load(const TSWMapInfo& info);

  TTransparentRichEdit* mm = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void LoadIntro(const std::string& bytes);
  void FitToPicture(QSize picture);
};
