#include "ui/widgets/flower_info_panel.h"

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <algorithm>

#include "base/errors.h"
#include "config/config_store.h"
#include "config/event_names.h"
#include "config/package.h"
#include "game/ability_list.h"
#include "game/flower.h"
#include "game/tick_list.h"
#include "ui/platform/png_qimage.h"
#include "ui/platform/qt_text.h"
#include "ui/widgets/ability_panel.h"
#include "ui/widgets/label_style.h"
#include "ui/widgets/level_gain.h"
#include "ui/widgets/shadow_label.h"

namespace {

constexpr int kWidth = 251;
constexpr int kFullBoxHeight = 255;
constexpr int kBasicStripHeight = 42;
// The abilities box's border and bevel around the buttons, and the gap below the box.
constexpr int kAbilitiesInset = 9;
constexpr int kAbilitiesGap = 8;

const QColor kGrey(128, 128, 128);
const QColor kMaroon(128, 0, 0);
const QColor kBlue(0, 0, 255);

QLabel* NewIcon(QWidget* parent, QRect place) {
  auto* icon = new QLabel(parent);
  icon->setGeometry(place);
  return icon;
}

bool ShowsFullBox(TPlayerInsight insight) { return insight >= piStats; }
bool ShowsLevel(TPlayerInsight insight) { return insight >= piFull; }

}  // namespace

TSWFlowerInfoPanel::TSWFlowerInfoPanel(QWidget* parent)
    : QWidget(parent),
      flowerWatch_(TStoreSubscriber::THandler::Of<&TSWFlowerInfoPanel::FlowerFreed>(this)) {
  CreateFullBox();
  CreateBasicStrip();
  tmRefresh.setInterval(kRefreshInterval);
  connect(&tmRefresh, &QTimer::timeout, this, &TSWFlowerInfoPanel::tmRefreshTimer);
  resize(kWidth, kFullBoxHeight);
}

void TSWFlowerInfoPanel::CreateFullBox() {
  gbName = new QGroupBox(this);
  gbName->setGeometry(0, 0, kWidth, kFullBoxHeight);
  QFont bold = gbName->font();
  bold.setBold(true);
  gbName->setFont(bold);
  lbPlayer = NewStyledLabel(gbName, {16, 14}, {"Arial", 9, false, true, kGrey}, 225);
  Image1 = NewIcon(gbName, {8, 28, 16, 16});
  lbHpStr = NewStyledLabel(gbName, {32, 28}, {.PixelSize = 13, .Color = kMaroon});
  lbHP = NewStyledLabel(gbName, {144, 28}, {"", 13, true, false, {}}, 97);
  Image2 = NewIcon(gbName, {8, 56, 16, 16});
  lbManaStr = NewStyledLabel(gbName, {32, 56}, {.PixelSize = 13, .Color = kBlue});
  lbMana = NewStyledLabel(gbName, {152, 56}, {"", 13, true, false, {}}, 89);
  lbManaPerTick = NewStyledLabel(gbName, {16, 76}, {.PixelSize = 11, .Color = kGrey}, 225);
  lbLevel = NewStyledLabel(gbName, {8, 93}, {"MS Serif", 9, true, false, {}}, 19);
  lbLevel->resize(19, 10);
  lbLevel->setCursor(Qt::WhatsThisCursor);
  LevelBar = new QProgressBar(gbName);
  LevelBar->setGeometry(32, 95, 209, 7);
  LevelBar->setTextVisible(false);

  pnAbilities = new QFrame(gbName);
  pnAbilities->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  pnAbilities->move(8, 112);
  Abilities = new TSWAbilityPanel(pnAbilities);
  Abilities->setGeometry(kAbilitiesInset, kAbilitiesInset, 215, 32);
}

void TSWFlowerInfoPanel::CreateBasicStrip() {
  pnBasic = new QFrame(this);
  pnBasic->setFrameStyle(QFrame::Panel | QFrame::Raised);
  pnBasic->setGeometry(0, 0, kWidth, kBasicStripHeight);
  Image3 = NewIcon(pnBasic, {5, 5, 32, 32});
  lbNameBasic = NewStyledLabel<TShadowLabel>(pnBasic, {45, 5}, {"", 0, true, false, {}});
  lbNameBasic->SetShadowColor(palette().color(QPalette::Dark));
  lbPlayerBasic = NewStyledLabel(pnBasic, {37, 21}, {"Arial", 11, false, true, kGrey}, 204);
  imHpBasic = NewIcon(pnBasic, {224, 5, 16, 16});
  lbHpBasic = NewStyledLabel(pnBasic, {184, 5}, {}, 33);
  pnBasic->hide();
}

void TSWFlowerInfoPanel::SetConfig(TSWConfig* config) {
  config_ = config;
  Abilities->SetConfig(config);
  if (config == nullptr) return;
  lbHpStr->SetCaption(config->Lang(u"cell info frame: HP"));
  lbManaStr->SetCaption(config->Lang(u"cell info frame: mana"));
  LoadIcons();
}

void TSWFlowerInfoPanel::LoadIcons() {
  TSWPackage& package = config_->RequirePackage();
  const QPixmap hp = ToQPixmap(package.Image(u"ui/hp"));
  Image1->setPixmap(hp);
  imHpBasic->setPixmap(hp);
  Image2->setPixmap(ToQPixmap(package.Image(u"ui/mana")));
  Image3->setPixmap(ToQPixmap(package.Image(u"ui/flower")));
}

TSWConfig& TSWFlowerInfoPanel::RequireConfig() const {
  if (config_ == nullptr)
    Raise<EInvalidOperation>(u"TSWFlowerInfoPanel needs a configuration store.");
  return *config_;
}

void TSWFlowerInfoPanel::SetFlower(TSWFlower& flower) {
  RequireConfig();
  tmRefresh.stop();
  flowerWatch_.Withdraw();
  flower_.store(&flower);
  flowerWatch_.SubscribeTo(flower, kEventFree);
  UpdateTexts();
  ShowView();
  UpdateAbilities();
  tmRefresh.start();
}

void TSWFlowerInfoPanel::ShowView() {
  const bool full = ShowsFullBox(insight_);
  gbName->setVisible(full);
  pnBasic->setVisible(!full);
  imHpBasic->setVisible(insight_ == piHP);
  lbHpBasic->setVisible(insight_ == piHP);
  lbLevel->setVisible(ShowsLevel(insight_));
  LevelBar->setVisible(ShowsLevel(insight_));
  FitToContent();
}

void TSWFlowerInfoPanel::FitToContent() {
  resize(kWidth, gbName->isHidden() ? pnBasic->height() : gbName->height());
  // The basic strip lies along the bottom edge.
  pnBasic->move(0, height() - pnBasic->height());
}

bool TSWFlowerInfoPanel::Busy() const { return Abilities->FiringInProgress(); }

void TSWFlowerInfoPanel::UpdateTexts() {
  const TSWFlower* flower = Flower();
  if (flower == nullptr) return;
  const TSWConfig& config = RequireConfig();
  const WideString caption = flower->GetCaption();
  gbName->setTitle(ToQString(caption));
  lbNameBasic->SetCaption(caption);
  const WideString hp = config.LangFmt(u"cell HP", {flower->HPPercent()});
  lbHP->SetCaption(hp);
  lbHpBasic->SetCaption(hp);
  // An object without an owner has no owner's name, pool or income to show.
  const TSWPlayer* owner = flower->Player();
  const WideString ownerName = owner ? owner->GetCaption() : WideString();
  lbPlayer->SetCaption(ownerName);
  lbPlayerBasic->SetCaption(ownerName);
  lbMana->SetCaption(owner ? config.LangFmt(u"cell mana", {owner->Mana()}) : WideString());
  lbManaPerTick->SetCaption(
      owner ? config.LangTickFmt(u"cell mana", {flower->ManaPerTick(), owner->ManaPerTick()})
            : WideString());
  UpdateLevel();
}

void TSWFlowerInfoPanel::UpdateLevel() {
  const TSWFlower* flower = Flower();
  if (flower == nullptr) return;
  lbLevel->SetCaption(ToWide(QString::number(flower->Level() + 1)));
  const bool atMax = flower->AtMaxLevel();
  lbLevel->setToolTip(ToQString(RequireConfig().Lang(
      LevelGainKey(flower->LevelTicks().TickMode(), atMax, flower->TicksLeft()))));
  if (atMax) {
    LevelBar->setRange(0, 1);
    LevelBar->setValue(1);
    return;
  }
  // A level of no ticks would turn the bar into a busy indicator: it shows full instead.
  const int levelTicks = std::max(flower->LevelTicks().Ticks(flower->Level()), 1);
  LevelBar->setRange(0, levelTicks);
  LevelBar->setValue(std::clamp(levelTicks - flower->TicksLeft(), 0, levelTicks));
}

void TSWFlowerInfoPanel::UpdateAbilities() {
  TSWFlower* flower = Flower();
  if (Busy() || flower == nullptr) return;
  TSWAbilityList& list = flower->Abilities();
  const bool any = list.Count() > 0;
  pnAbilities->setVisible(any);
  Abilities->SetFlower(flower);
  Abilities->SetAbilities(&list);
  const bool enabled = insight_ == piCoOwner;
  Abilities->setEnabled(enabled);
  pnAbilities->setCursor(enabled ? Qt::ArrowCursor : Qt::ForbiddenCursor);
  pnAbilities->resize(Abilities->width() + 2 * kAbilitiesInset,
                      Abilities->height() + 2 * kAbilitiesInset);
  gbName->resize(kWidth,
                 any ? pnAbilities->geometry().bottom() + 1 + kAbilitiesGap : pnAbilities->y());
  FitToContent();
}

void TSWFlowerInfoPanel::FlowerFreed(const WideString& /*eventName*/, TObject* /*arg*/) {
  flower_.store(nullptr);
  QMetaObject::invokeMethod(this, [this] {
    tmRefresh.stop();
    Abilities->SetFlower(nullptr);
  });
}

void TSWFlowerInfoPanel::tmRefreshTimer() { UpdateTexts(); }
