#include "ui/windows/debug_info_form.h"

#include <QAction>
#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QSplitter>
#include <QUrl>
#include <QVBoxLayout>
#include <memory>
#include <utility>

#include "config/config_store.h"
#include "config/package.h"
#include "game/game.h"
#include "platform/file_stream.h"
#include "ui/platform/app_paths.h"
#include "ui/platform/design_font.h"
#include "ui/platform/png_qimage.h"
#include "ui/platform/qt_text.h"
#include "ui/platform/screen_placement.h"
#include "ui/widgets/shadow_label.h"
#include "ui/windows/debug_info_text.h"

namespace {

constexpr QSize kDesignSize(387, 323);
constexpr int kBorderWidth = 4;
constexpr int kSplitterHeight = 4;
constexpr int kTextHeight = 129;

QIcon PackageIcon(const TSWConfig& config, const char16_t* image) {
  return QIcon(ToQPixmap(config.RequirePackage().Image(image)));
}

}  // namespace

TDebugInfoForm::TDebugInfoForm(const TSWConfig& config, QWidget* parent)
    : QWidget(parent, Qt::Tool) {
  setAttribute(Qt::WA_DeleteOnClose);
  CreateComponents(config);
  setWindowTitle(ToQString(config.Lang(u"debug form: caption")));
}

void TDebugInfoForm::CreateComponents(const TSWConfig& config) {
  // Every component, the click map's size label too, takes the window's font.
  ApplyDesignFont(*this);

  Splitter1 = new QSplitter(Qt::Vertical, this);
  Splitter1->setHandleWidth(kSplitterHeight);
  Splitter1->setChildrenCollapsible(false);
  mm = new QPlainTextEdit(Splitter1);
  mm->setReadOnly(true);
  mm->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // Only a vertical scroll bar: long keys wrap wherever they must.
  mm->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  mm->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  PopupMenu1 = new QMenu(this);
  Copyalltoclipboard1 = PopupMenu1->addAction(PackageIcon(config, u"ui/copy"),
                                              QStringLiteral("Copy all to clipboard"));
  mm->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(mm, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { PopupMenu1->popup(mm->viewport()->mapToGlobal(at)); });
  connect(Copyalltoclipboard1, &QAction::triggered, this,
          &TDebugInfoForm::Copyalltoclipboard1Click);

  CreateClickMapView(config);
  Splitter1->setStretchFactor(0, 0);
  Splitter1->setStretchFactor(1, 1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(kBorderWidth, kBorderWidth, kBorderWidth, kBorderWidth);
  layout->addWidget(Splitter1);
  resize(kDesignSize);
  const int splitterHeight = kDesignSize.height() - 2 * kBorderWidth;
  Splitter1->setSizes({kTextHeight, splitterHeight - kTextHeight - kSplitterHeight});
}

void TDebugInfoForm::CreateClickMapView(const TSWConfig& config) {
  ScrollBox1 = new QScrollArea(Splitter1);
  ScrollBox1->setFrameShape(QFrame::NoFrame);
  clickMapHost_ = new QWidget;
  ScrollBox1->setWidget(clickMapHost_);

  imClickMap = new QLabel(clickMapHost_);
  imClickMap->setAlignment(Qt::AlignCenter);

  lbClickMapSize = new TShadowLabel(clickMapHost_);
  lbClickMapSize->move(40, 8);
  QPalette palette = lbClickMapSize->palette();
  palette.setColor(QPalette::WindowText, Qt::white);
  lbClickMapSize->setPalette(palette);
  // Qt knows no desktop colour; black is the desktop's plain colour on the system the window's
  // look comes from, and it keeps the white text readable over any click map.
  lbClickMapSize->SetShadowColor(Qt::black);

  BitBtn1 = new QPushButton(clickMapHost_);
  BitBtn1->setGeometry(8, 8, 25, 25);
  BitBtn1->setIcon(PackageIcon(config, u"ui/save clickmap"));
  connect(BitBtn1, &QPushButton::clicked, this, &TDebugInfoForm::BitBtn1Click);
  FitClickMapHost();
}

void TDebugInfoForm::ShowFor(TSWGame& game) {
  Refresh(game);
  show();
  raise();
  activateWindow();
}

void TDebugInfoForm::Refresh(TSWGame& game) {
  const std::unique_ptr<TSWGameDebugInfo> info = game.GetDebugInfo();
  mm->setPlainText(ToQString(DebugInfoText(*info)));
  ShowClickMap(info->ClickMap.Bytes());
}

void TDebugInfoForm::ShowClickMap(std::string bmpBytes) {
  clickMapBmp_ = std::move(bmpBytes);
  const QImage image = QImage::fromData(
      QByteArrayView(clickMapBmp_.data(), static_cast<qsizetype>(clickMapBmp_.size())), "BMP");
  imClickMap->setPixmap(QPixmap::fromImage(image));
  imClickMap->resize(image.size());
  lbClickMapSize->SetCaption(ClickMapSizeCaption(image.width(), image.height(),
                                                 static_cast<int64_t>(clickMapBmp_.size())));
  FitClickMapHost();
}

// The scroll range covers the picture and the controls over it.
void TDebugInfoForm::FitClickMapHost() {
  const QRect extent = clickMapHost_->childrenRect().united(QRect(QPoint(0, 0), QSize(1, 1)));
  clickMapHost_->resize(extent.right() + 1, extent.bottom() + 1);
}

void TDebugInfoForm::Copyalltoclipboard1Click() {
  mm->selectAll();
  QGuiApplication::clipboard()->setText(mm->toPlainText());
}

void TDebugInfoForm::BitBtn1Click() {
  const QString path = ClickMapPath();
  {
    TFileStreamW file(ToWide(path), TFileMode::Create);
    file.Write(clickMapBmp_.data(), clickMapBmp_.size());
  }
  OpenFile(path);
}

QString TDebugInfoForm::ClickMapPath() const { return ClickMapFilePath(RunningAppFolders()); }

void TDebugInfoForm::OpenFile(const QString& path) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void TDebugInfoForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) CenterOnScreen(*this);
}
