#include "ui/windows/main_form.h"

#include <QCloseEvent>
#include <QFrame>
#include <QPainter>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>
#include <chrono>

#include "base/format.h"
#include "base/object_release.h"
#include "config/config_store.h"
#include "config/folder_package.h"
#include "containers/ini_file_w.h"
#include "game/game.h"
#include "game/game_session.h"
#include "game/random_source.h"
#include "map/map_info.h"
#include "map/sw_map.h"
#include "ui/platform/design_font.h"
#include "ui/platform/map_widget.h"
#include "ui/platform/qt_canvas.h"
#include "ui/platform/qt_dispatcher.h"
#include "ui/platform/qt_geometry.h"
#include "ui/platform/qt_text.h"
#include "ui/platform/screen_placement.h"
#include "ui/widgets/label_style.h"
#include "ui/widgets/log_box.h"
#include "ui/widgets/png_speed_button.h"
#include "ui/widgets/shadow_label.h"
#include "ui/windows/cell_info_form.h"
#include "ui/windows/debug_info_form.h"
#include "ui/windows/intro_form.h"
#include "ui/windows/sky.h"
#include "ui/windows/view_settings.h"

namespace {

constexpr char16_t kMapFile[] = u"maps\\genesis";
constexpr int kBannerTop = 6;
constexpr int kBannerHeight = 179;
constexpr int kBoardTop = kBannerTop + kBannerHeight;
constexpr int kToolButtonSize = 25;
// The map labels keep their design distance from the window's right edge (975 wide, labels at
// 720), so they stay in sight over the banner's right part in a narrower window.
constexpr int kMapLabelsFromRight = 975 - 720;

constexpr WideStringView kMessages = u"Messages";

void MakeSeeThrough(QWidget& widget) {
  widget.setAutoFillBackground(false);
  widget.setAttribute(Qt::WA_TranslucentBackground);
}

// The banner's labels: a shadow in the menu-highlight colour.
void StyleShadowLabel(TShadowLabel& label, const TLabelStyle& style, uint8_t shadowY) {
  ApplyLabelStyle(label, style);
  label.SetShadowDistanceX(3);
  label.SetShadowDistanceY(shadowY);
  label.SetShadowColor(label.palette().color(QPalette::Highlight));
}

uint32_t ClockSeed() {
  return static_cast<uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

}  // namespace

TMainForm::TMainForm(const TMainFormSetup& setup, QWidget* parent)
    : QWidget(parent),
      dispatcher_(std::make_unique<TQtDispatcher>()),
      session_(std::make_unique<TSWGameSession>(ToWide(setup.DataDir), kMapFile, setup.TickMode,
                                                dispatcher_.get())),
      settingsPath_(setup.SettingsPath) {
  CreateComponents();
  Wire();
  FormCreate();
  cellInfoForm_ = std::make_unique<TCellInfoForm>(Config(), &Player1(), this);
  cellInfo_ = cellInfoForm_.get();
}

TMainForm::~TMainForm() {
  if (!destroyed_) RunDeferringErrors([this] { FormDestroy(); });
}

TSWConfig& TMainForm::Config() { return session_->Config(); }
TSWGame& TMainForm::Game() { return session_->Game(); }
TSWMap& TMainForm::Map() { return session_->Map(); }
TSWPlayer& TMainForm::Player1() { return session_->Player1(); }

void TMainForm::CreateComponents() {
  setWindowTitle(QStringLiteral("Sorrelwind"));
  resize(975, 500);
  CenterOnScreen(*this);
  ApplyDesignFont(*this);
  Bevel1 = new QWidget(this);
  CreateBanner();
  CreateBoard();
  CreateToolbar();
  CreateLog();
  tmMovingClouds = new QTimer(this);
  tmMovingClouds->setInterval(1000);
  sky_ = std::make_unique<TSky>(session_->Package(), RandomSource());
}

void TMainForm::CreateBanner() {
  ShadowLabel1 = new TShadowLabel(this);
  ShadowLabel1->SetAutoSize(false);
  ShadowLabel1->SetAlignment(Qt::AlignHCenter | Qt::AlignTop);
  StyleShadowLabel(*ShadowLabel1, {"MS Mincho", 19, true, false, Qt::white}, 5);
  ShadowLabel1->SetCaption(u"Sorrelwind");

  lbMapCaption = new TShadowLabel(this);
  lbMapCaption->SetAutoSize(false);
  lbMapCaption->SetAlignment(Qt::AlignRight | Qt::AlignTop);
  StyleShadowLabel(*lbMapCaption, {"Georgia", 12, true, true, Qt::white}, 3);
  lbMapCaption->setGeometry(720, 6, 233, 25);

  lbMapInfo = new TShadowLabel(this);
  lbMapInfo->SetAutoSize(false);
  lbMapInfo->SetAlignment(Qt::AlignRight | Qt::AlignTop);
  StyleShadowLabel(*lbMapInfo, {"Georgia", 11, false, true, Qt::white}, 3);
  lbMapInfo->setGeometry(720, 30, 233, 25);
}

void TMainForm::CreateBoard() {
  ScrollBox1 = new QScrollArea(this);
  ScrollBox1->setFrameShape(QFrame::NoFrame);
  MapView = new TSWMapWidget;
  ScrollBox1->setWidget(MapView);
  // The sky shows through the scroll area and between the cells.
  MakeSeeThrough(*ScrollBox1);
  MakeSeeThrough(*ScrollBox1->viewport());
  MakeSeeThrough(*MapView);
}

void TMainForm::CreateToolbar() {
  Panel1 = new QFrame(this);
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Panel1->setLineWidth(1);
  Panel1->setAutoFillBackground(true);
  // Each switch is a group of its own that may be all up; the debug button is a push button.
  btnInfoOnHover =
      CreateToolButton(2, 1, u"ui/info on hover", tr("Show the cell under the pointer"), Qt::Key_I);
  btnShowGrid = CreateToolButton(27, 2, u"ui/show grid", tr("Show the grid"), Qt::Key_G);
  PNGSpeedButton3 = CreateToolButton(58, 3, u"ui/pause", tr("Pause"), Qt::Key_P);
  PNGSpeedButton1 = CreateToolButton(90, 0, u"ui/debug", tr("Behind the scenes"), Qt::Key_D);
  const QRect buttons = PNGSpeedButton1->geometry().united(btnInfoOnHover->geometry());
  Panel1->setGeometry(8, 8, buttons.right() + 1 + 2, buttons.bottom() + 1 + 2);
}

void TMainForm::CreateLog() {
  Panel2 = new QFrame(this);
  Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel2->setLineWidth(1);
  Panel2->setGeometry(8, 56, 209, 105);
  auto* layout = new QVBoxLayout(Panel2);
  // The frame's bevel and its border of 3 around the log.
  layout->setContentsMargins(4, 4, 4, 4);
  Log = new TSWLogBox(Panel2);
  layout->addWidget(Log);
}

TPNGSpeedButton* TMainForm::CreateToolButton(int x, int groupIndex, const char16_t* glyph,
                                             const QString& hint, const QKeySequence& shortcut) {
  auto* button = new TPNGSpeedButton(Panel1);
  button->setGeometry(x, 2, kToolButtonSize, kToolButtonSize);
  button->SetFlat(true);
  button->setShortcut(shortcut);
  button->setToolTip(
      QStringLiteral("%1 (%2)").arg(hint, shortcut.toString(QKeySequence::NativeText)));
  button->SetGroupIndex(groupIndex);
  button->SetAllowAllUp(true);
  button->SetGlyph(&session_->Package().Image(glyph));
  button->Loaded();
  return button;
}

void TMainForm::Wire() {
  TSWMap& map = Map();
  MapView->SetMap(&map);
  map.SetOnHover(TSWMapCellEvent::Of<&TMainForm::MapHover>(this));
  map.SetOnSelect(TSWMapCellEvent::Of<&TMainForm::MapSelect>(this));
  Game().SetOnStart(TNotifyEvent::Of<&TMainForm::GameStart>(this));
  Log->SetGame(&Game());
  Log->SetPlayer(&Player1());
  connect(tmMovingClouds, &QTimer::timeout, this, &TMainForm::tmMovingCloudsTimer);
  connect(btnShowGrid, &QAbstractButton::clicked, this, &TMainForm::btnShowGridClick);
  connect(PNGSpeedButton3, &QAbstractButton::clicked, this, &TMainForm::PNGSpeedButton3Click);
  connect(PNGSpeedButton1, &QAbstractButton::clicked, this, &TMainForm::PNGSpeedButton1Click);
}

void TMainForm::FormCreate() {
  RandomSource().Seed(ClockSeed());
  settings_ = std::make_unique<TIniFileW>(ToWide(settingsPath_));
  RestoreWindowPlacement();
  // Appends the game's name in its native script: 「風草」.
  ShadowLabel1->SetCaption(ShadowLabel1->Caption() + u"\u300C\u98A8\u8349\u300D");
}

void TMainForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shown_) return;
  shown_ = true;
  // Once the window is on screen, so that an introduction shows over it.
  QMetaObject::invokeMethod(this, &TMainForm::FormShow, Qt::QueuedConnection);
}

void TMainForm::FormShow() {
  // Closed before it came up: no game to start, and the settings are saved already.
  if (destroyed_) return;
  LoadSettings();
  FormResize();
  tmMovingClouds->start();
  Game().Start();
}

void TMainForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOut();
  if (shown_) FormResize();
}

void TMainForm::LayOut() {
  Bevel1->setGeometry(0, 0, width(), kBannerTop);
  ShadowLabel1->setGeometry(0, kBannerTop, width(), kBannerHeight);
  lbMapCaption->move(width() - kMapLabelsFromRight, lbMapCaption->y());
  lbMapInfo->move(width() - kMapLabelsFromRight, lbMapInfo->y());
  ScrollBox1->setGeometry(0, kBoardTop, width(), std::max(0, height() - kBoardTop));
}

void TMainForm::FormResize() {
  // As many pixels as the screen shows, so the sky is composed as sharp as the display.
  const qreal pixelRatio = devicePixelRatioF();
  skyBitmap_ = QImage(size() * pixelRatio, QImage::Format_ARGB32_Premultiplied);
  skyBitmap_.setDevicePixelRatio(pixelRatio);
  skyBitmap_.fill(palette().color(QPalette::Window));
  RenderBackground();
  repaint();
}

void TMainForm::RenderBackground() {
  tmMovingClouds->stop();
  struct TRestart {
    QTimer* timer;
    ~TRestart() { timer->start(); }
  } restart{tmMovingClouds};
  QPainter painter(&skyBitmap_);
  TQtCanvas canvas(painter);
  sky_->Render(canvas, width(), height());
}

void TMainForm::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.setClipRegion(event->region());
  painter.drawImage(0, 0, skyBitmap_);
  TQtCanvas canvas(painter);
  sky_->PaintMovingClouds(canvas);
}

void TMainForm::tmMovingCloudsTimer() { update(ToQRect(sky_->MoveOneCloud())); }

void TMainForm::GameStart(TObject* /*sender*/) {
  const TSWMapInfo& info = Map().MapInfo();
  lbMapCaption->SetCaption(info.Name());
  lbMapCaption->setToolTip(ToQString(session_->Loader().FileName()));
  lbMapInfo->SetCaption(Format(u"%s, %s", {info.Author(), info.Date()}));
  ShowIntroOnce();
}

void TMainForm::ShowIntroOnce() {
  const TSWMapInfo& info = Map().MapInfo();
  const WideString key = u"intro: " + info.Name();
  if (!info.HasIntro() || settings_->ReadBool(kMessages, key, false)) return;
  Game().SetPaused(true);
  try {
    if (!introForm_) introForm_ = std::make_unique<TIntroForm>(this);
    introForm_->Load(info);
    introShowing_ = true;
    ShowIntroModal(*introForm_);
    introShowing_ = false;
    settings_->WriteBool(kMessages, key, true);
  } catch (...) {
    introShowing_ = false;
    Game().SetPaused(false);
    throw;
  }
  Game().SetPaused(false);
  if (closeAfterIntro_) QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void TMainForm::ShowIntroModal(TIntroForm& form) { form.exec(); }

void TMainForm::MapSelect(TSWMapCell* cell) {
  if (cell != nullptr && cellInfo_ != nullptr) cellInfo_->ShowCell(*cell);
}

void TMainForm::MapHover(TSWMapCell* cell) {
  if (cellInfo_ == nullptr || !cellInfo_->IsShown()) return;
  TSWMapCell* selected = Map().SelectedCell();
  if (!btnInfoOnHover->Down() && selected != nullptr) return;
  TSWMapCell* shown = cell != nullptr ? cell : selected;
  if (shown != nullptr) cellInfo_->ShowCell(*shown);
}

void TMainForm::btnShowGridClick() { Config().SetShowGrid(btnShowGrid->Down()); }

void TMainForm::PNGSpeedButton3Click() {
  Game().SetPaused(!Game().Paused());
  PNGSpeedButton3->SetDown(Game().Paused());
}

TDebugInfoForm* TMainForm::DebugInfoForm() const { return debugInfoForm_; }

void TMainForm::PNGSpeedButton1Click() {
  // The window deletes itself when closed, which clears the pointer.
  if (!debugInfoForm_) debugInfoForm_ = new TDebugInfoForm(Config(), this);
  debugInfoForm_->ShowFor(Game());
}

void TMainForm::LoadSettings() {
  // A missing key keeps the design value: the switch down, the grid off.
  const TViewSettings settings =
      ReadViewSettings(*settings_, {CellInfoPlacement(), true, false, WindowPlacement()});
  SetCellInfoPlacement(settings.CellInfo);
  btnInfoOnHover->SetDown(settings.InfoOnHover);
  Config().SetShowGrid(settings.ShowGrid);
  btnShowGrid->SetDown(Config().ShowGrid());
}

void TMainForm::SaveSettings() {
  SaveViewSettings(*settings_, {CellInfoPlacement(), btnInfoOnHover->Down(), Config().ShowGrid(),
                                WindowPlacement()});
}

// The window's own place: where it was left, unless that is on no screen now.
void TMainForm::RestoreWindowPlacement() {
  const QRect current = geometry();
  const TWindowPlacement saved = ReadWindowPlacement(
      *settings_, {current.x(), current.y(), current.width(), current.height(), false});
  const QRect savedRect(saved.X, saved.Y, saved.Width, saved.Height);
  if (savedRect != current && IsOnAScreen(savedRect)) setGeometry(savedRect);
  if (saved.Maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

TWindowPlacement TMainForm::WindowPlacement() const {
  // The size it returns to when no longer maximized.
  const QRect normal = isMaximized() ? normalGeometry() : geometry();
  return {normal.x(), normal.y(), normal.width(), normal.height(), isMaximized()};
}

TCellInfoPlacement TMainForm::CellInfoPlacement() const {
  return cellInfo_ != nullptr ? cellInfo_->Placement() : cellInfoPlacement_;
}

void TMainForm::SetCellInfoPlacement(const TCellInfoPlacement& placement) {
  cellInfoPlacement_ = placement;
  if (cellInfo_ != nullptr) cellInfo_->SetPlacement(placement);
}

void TMainForm::closeEvent(QCloseEvent* event) {
  // Asked to close under its own introduction (all windows closing at the end of a session):
  // the introduction goes first and records that it was shown, then the window closes.
  if (introShowing_) {
    closeAfterIntro_ = true;
    introForm_->reject();
    event->ignore();
    return;
  }
  event->accept();
  if (!destroyed_) FormDestroy();
}

void TMainForm::FormDestroy() {
  destroyed_ = true;
  tmMovingClouds->stop();
  if (settings_) SaveSettings();
  settings_.reset();
  skyBitmap_ = QImage();
}
