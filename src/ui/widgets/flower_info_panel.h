#pragma once
// What one object on a cell shows of itself, as far as the viewer's insight allows: the basic
// strip (icon, name, owner, and from piHP its hit points) or the full box (owner, hit points, the
// owner's mana and income, from piFull the level with its progress and a hint of how soon the
// next level comes, and the ability buttons, enabled only at piCoOwner). The numbers refresh
// every 300 ms. The panel is 251 wide and as high as the view it shows.
//
// The object's "free" event clears the panel's flower and stops its refresh, so nothing reads a
// freed object; the panel withdraws that subscription when it goes. The store (for the texts and
// the icons) must outlive the panel, as the ability buttons' handlers require.
#include <QTimer>
#include <QWidget>
#include <atomic>

#include "game/player_insight.h"
#include "ui/widgets/store_subscriber.h"

class QGroupBox;
class QFrame;
class QLabel;
class QProgressBar;
class TLabelW;
class TShadowLabel;
class TSWAbilityPanel;
class TSWConfig;
class TSWFlower;

class TSWFlowerInfoPanel : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kRefreshInterval = 300;

  explicit TSWFlowerInfoPanel(QWidget* parent = nullptr);

  // The store of the language strings and of the package serving the icons; also the ability
  // buttons' store. Setting it writes the captions and loads the icons.
  TSWConfig* Config() const { return config_; }
  void SetConfig(TSWConfig* config);
  // piCoOwner unless the viewer sees another player's object; takes effect at SetFlower. A
  // panel is not meant to be made at piNone; if it is, it shows no more than at piBasic.
  TPlayerInsight Insight() const { return insight_; }
  void SetInsight(TPlayerInsight insight) { insight_ = insight; }
  // The object shown; nullptr once it was freed.
  TSWFlower* Flower() const { return flower_.load(); }

  // Shows `flower` and follows its "free" event: the texts, the view the insight allows, the
  // abilities, then the refresh every 300 ms. Fails with "TSWFlowerInfoPanel needs a
  // configuration store." (EInvalidOperation) without a store, and with the store's message for
  // a missing language string.
  void SetFlower(TSWFlower& flower);
  // True while one of the object's abilities is being fired from this panel.
  bool Busy() const;

  // Names, owner, hit points, mana and income, then UpdateLevel.
  void UpdateTexts();
  // The level number (from 1), its hint and the progress bar.
  void UpdateLevel();
  // Rebuilds the ability buttons unless one is being fired; the abilities box is hidden for an
  // object without abilities, and the full box then ends at the box's top.
  void UpdateAbilities();
  // The object's "free": forget it and stop refreshing. May come from the tick thread.
  void FlowerFreed(const WideString& eventName, TObject* arg);
  void tmRefreshTimer();

  // The design's components.
  QGroupBox* gbName;
  TLabelW* lbPlayer;
  QLabel* Image1;
  TLabelW* lbHpStr;
  TLabelW* lbHP;
  QLabel* Image2;
  TLabelW* lbManaStr;
  TLabelW* lbMana;
  TLabelW* lbManaPerTick;
  TLabelW* lbLevel;
  QProgressBar* LevelBar;
  QFrame* pnAbilities;
  TSWAbilityPanel* Abilities;
  QFrame* pnBasic;
  QLabel* Image3;
  TShadowLabel* lbNameBasic;
  TLabelW* lbPlayerBasic;
  QLabel* imHpBasic;
  TLabelW* lbHpBasic;
  QTimer tmRefresh;

 private:
  void CreateFullBox();
  void CreateBasicStrip();
  void LoadIcons();
  void ShowView();
  void FitToContent();
  TSWConfig& RequireConfig() const;

  TSWConfig* config_ = nullptr;
  TPlayerInsight insight_ = piCoOwner;
  std::atomic<TSWFlower*> flower_ = nullptr;
  TStoreSubscriber flowerWatch_;
};
