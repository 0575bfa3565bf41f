#pragma once
// The main window. It owns a running game (the session: data package, configuration store, map
// control, map loader, game and players), paints the animated sky behind the board, carries the
// title banner, the map's name and author, the toolbar and the board in its scroll area, starts
// the game when it is first shown, shows each map's introduction once with the game paused, and
// keeps the view settings and its own size and place in settings.ini.
#include <QImage>
#include <QKeySequence>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

#include "config/tick_mode.h"
#include "ui/windows/cell_info_view.h"
#include "ui/windows/view_settings.h"

class QFrame;
class TCellInfoForm;
class TDebugInfoForm;
class TSWLogBox;
class QScrollArea;
class QTimer;
class TIniFileW;
class TIntroForm;
class TObject;
class TPNGSpeedButton;
class TQtDispatcher;
class TShadowLabel;
class TSky;
class TSWConfig;
class TSWGame;
class TSWGameSession;
class TSWMap;
class TSWMapCell;
class TSWMapWidget;
class TSWPlayer;

// What the window is made with.
struct TMainFormSetup {
  // The data package's folder and the settings file's path.
  QString DataDir;
  QString SettingsPath;
  // Tests play in turns and deliver ticks by hand.
  TTickMode TickMode = tmRealTime;
};

class TMainForm : public QWidget {
  Q_OBJECT

 public:
  // Makes the components in the order of the window's design and wires them (the session),
  // then runs FormCreate, then makes the cell info window, hidden. Fails with the engine's
  // message when the data cannot be loaded.
  explicit TMainForm(const TMainFormSetup& setup, QWidget* parent = nullptr);
  // FormDestroy, unless closing ran it.
  ~TMainForm() override;

  TSWGameSession& Session() { return *session_; }
  TSWConfig& Config();
  TSWGame& Game();
  TSWMap& Map();
  TSWPlayer& Player1();

  // The window the map's hover and selection show cells in, whose place the settings keep: the
  // cell info window, or a stand-in.
  TCellInfoView* CellInfoView() const { return cellInfo_; }
  void SetCellInfoView(TCellInfoView* view) { cellInfo_ = view; }
  TCellInfoForm& CellInfoForm() { return *cellInfoForm_; }
  // The debug information window while it is open; nullptr once closed.
  TDebugInfoForm* DebugInfoForm() const;

  // The design's components.
  QWidget* Bevel1;
  TShadowLabel* ShadowLabel1;
  TShadowLabel* lbMapCaption;
  TShadowLabel* lbMapInfo;
  QScrollArea* ScrollBox1;
  TSWMapWidget* MapView;
  QFrame* Panel1;
  TPNGSpeedButton* btnInfoOnHover;
  TPNGSpeedButton* btnShowGrid;
  TPNGSpeedButton* PNGSpeedButton3;
  TPNGSpeedButton* PNGSpeedButton1;
  QFrame* Panel2;
  TSWLogBox* Log;
  QTimer* tmMovingClouds;

 protected:
  // Shows the introduction window modally; tests replace it.
  virtual void ShowIntroModal(TIntroForm& form);

  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateComponents();
  void CreateBanner();
  void CreateBoard();
  void CreateToolbar();
  void CreateLog();
  // A toolbar button whose key presses it; the tooltip names the key.
  TPNGSpeedButton* CreateToolButton(int x, int groupIndex, const char16_t* glyph,
                                    const QString& hint, const QKeySequence& shortcut);
  void Wire();
  void LayOut();

  void FormCreate();
  void FormShow();
  void FormResize();
  void FormDestroy();
  void LoadSettings();
  void SaveSettings();
  void RestoreWindowPlacement();
  TWindowPlacement WindowPlacement() const;
  void RenderBackground();
  TCellInfoPlacement CellInfoPlacement() const;
  void SetCellInfoPlacement(const TCellInfoPlacement& placement);

  void tmMovingCloudsTimer();
  void GameStart(TObject* sender);
  void ShowIntroOnce();
  void MapHover(TSWMapCell* cell);
  void MapSelect(TSWMapCell* cell);
  void btnShowGridClick();
  void PNGSpeedButton3Click();
  void PNGSpeedButton1Click();

  // Declared in the order they must be made: the dispatcher outlives the game that posts to it.
  std::unique_ptr<TQtDispatcher> dispatcher_;
  std::unique_ptr<TSWGameSession> session_;
  std::unique_ptr<TIniFileW> settings_;
  std::unique_ptr<TSky> sky_;
  QImage skyBitmap_;
  std::unique_ptr<TIntroForm> introForm_;
  // Goes before the session: its panels withdraw from the store.
  std::unique_ptr<TCellInfoForm> cellInfoForm_;
  TCellInfoView* cellInfo_ = nullptr;
  QPointer<TDebugInfoForm> debugInfoForm_;
  TCellInfoPlacement cellInfoPlacement_;
  QString settingsPath_;
  bool shown_ = false;
  // The introduction's modal loop runs; a close asked for meanwhile waits for its end.
  bool introShowing_ = false;
  bool closeAfterIntro_ = false;
  bool destroyed_ = false;
};
