#pragma once
// The debug information window: a sizeable tool window of 387 x 323, centred on the screen when
// first shown, that shows a snapshot of a running game. The statistics text sits above a
// splitter, the map's click map below it, with its size and a button that saves the click map as
// clickmap.bmp and opens it in the system's viewer. The text's context menu copies all of it.
// Nothing updates by itself: each ShowFor or Refresh takes a new snapshot.
//
// The window deletes itself when closed (Qt::WA_DeleteOnClose): its owner keeps it through a
// QPointer, which is then cleared, and creates a new one on the next request.
#include <QString>
#include <QWidget>
#include <string>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QSplitter;
class TShadowLabel;
class TSWConfig;
class TSWGame;

class TDebugInfoForm : public QWidget {
  Q_OBJECT

 public:
  // The caption is the store's "debug form: caption"; a missing string fails with the store's
  // message. The glyphs come from the store's data package.
  explicit TDebugInfoForm(const TSWConfig& config, QWidget* parent = nullptr);

  // Refresh, then shows the window and brings it to the front.
  void ShowFor(TSWGame& game);
  // Rebuilds the text, the click map and its size from a new snapshot of the game.
  void Refresh(TSWGame& game);

  // Selects all of the text and puts it on the clipboard.
  void Copyalltoclipboard1Click();
  // Writes the click map to ClickMapPath, replacing the file, then opens it. A failure to write
  // propagates with the engine's message, and nothing is opened.
  void BitBtn1Click();

  // The design's components.
  QSplitter* Splitter1;
  QPlainTextEdit* mm;
  QScrollArea* ScrollBox1;
  QLabel* imClickMap;
  TShadowLabel* lbClickMapSize;
  QPushButton* BitBtn1;
  QMenu* PopupMenu1;
  QAction* Copyalltoclipboard1;

 protected:
  // clickmap.bmp beside the executable, or in the per-user data folder when that folder is not
  // writable. Tests write elsewhere.
  virtual QString ClickMapPath() const;
  // Asks the system to open the file with its default viewer; tests record the request instead.
  virtual void OpenFile(const QString& path);

  void showEvent(QShowEvent* event) override;

 private:
  void CreateComponents(const TSWConfig& config);
  void CreateClickMapView(const TSWConfig& config);
  void ShowClickMap(std::string bmpBytes);
  void FitClickMapHost();

  QWidget* clickMapHost_;
  // The click map as the snapshot's BMP file, written as it is when saved.
  std::string clickMapBmp_;
};
