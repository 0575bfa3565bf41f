#pragma once
// What a cell shows of itself: the ground's name, its coordinates counted from 1, and below them
// one flower info panel per object on it, as far as the viewing player's insight allows (the
// viewer's own objects in full, with their abilities). The panel is 251 wide and as high as its
// content.
//
// The cell's "slot add", "slot delete" and "slot level up" are only recorded, under a lock, as
// they come (they may come from the tick thread); a 20 ms timer applies them on the window's
// thread: a new object gets a panel at the bottom, a removed object's panel goes and those below
// it move up, a levelled object's panel gets its new abilities. Two changes of one kind before
// the timer runs rebuild the whole list, and the mark stays until then whatever follows.
//
// A flower panel taken out (by a new cell, a rebuild or a removal) is released at once: nothing
// pending refers to it any more and its subscription to its object's "free" is withdrawn. A cell
// that is freed while shown leaves the panel empty. The store must outlive the panel.
#include <QTimer>
#include <QWidget>
#include <mutex>
#include <vector>

#include "ui/widgets/store_subscriber.h"

class QFrame;
class QLabel;
class TLabelW;
class TShadowLabel;
class TSWCellObject;
class TSWConfig;
class TSWFlowerInfoPanel;
class TSWMapCell;
class TSWPlayer;

class TSWCellInfoPanel : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kSynchronizeInterval = 20;
  // The vertical gap between two flower panels.
  static constexpr int kPanelSpacing = 8;

  explicit TSWCellInfoPanel(QWidget* parent = nullptr);

  // The store of the texts, the coordinates' icon and the flower panels' component names.
  TSWConfig* Config() const { return config_; }
  void SetConfig(TSWConfig* config);
  // The viewer; none shows every object in full. Setting it shows the current cell again.
  TSWPlayer* Player() const { return player_; }
  void SetPlayer(TSWPlayer* player);
  TSWMapCell* Cell() const { return cell_; }

  // Shows `cell` afresh (nullptr: nothing) and follows its slot events; the changes still
  // pending for the cell shown before are dropped. Fails with the store's message for a missing
  // language string and with "TSWCellInfoPanel needs a configuration store."
  // (EInvalidOperation) without a store; a flower panel that fails to build is released and the
  // error passes on.
  void SetCell(TSWMapCell* cell);
  // True while an ability is being fired from one of the flower panels.
  bool Busy() const;

  // Records one of the cell's slot events and starts the timer. Fails with
  // "TSWCellInfoPanel.SlotEvent didn't know how to handle %s." (Exception) for another event.
  void SlotEvent(const WideString& eventName, TObject* arg);
  // Applies the recorded changes.
  void tmSynchronizeTimer();

  // The flower panels, top to bottom.
  int FlowerPanelCount() const { return static_cast<int>(panels_.size()); }
  TSWFlowerInfoPanel* FlowerPanels(int index) const { return panels_.at(index); }

  // The design's components.
  TShadowLabel* lbCaption;
  QFrame* Bevel1;
  QLabel* Image1;
  TLabelW* lbCoords;
  QTimer tmSynchronize;

 private:
  // What the slot events left to do. A rebuild makes the other three moot.
  struct TPendingChanges {
    bool NeedsRebuild = false;
    TSWCellObject* AddedObject = nullptr;
    TSWFlowerInfoPanel* DeletedPanel = nullptr;
    TSWFlowerInfoPanel* LevelledPanel = nullptr;
  };

  TSWConfig& RequireConfig() const;
  void ShowCaptions();
  void AddFlowerPanel(TSWCellObject& object);
  void RemoveFlowerPanel(TSWFlowerInfoPanel* panel);
  void ReleaseFlowerPanels();
  void Forget(const TSWFlowerInfoPanel* panel);
  // Stacks the flower panels from the top, each below the one before, and fits the height.
  void Restack();
  TSWFlowerInfoPanel* PanelShowing(const TObject* object) const;
  void CellFreed(const WideString& eventName, TObject* arg);

  TSWConfig* config_ = nullptr;
  TSWPlayer* player_ = nullptr;
  // Guards the pending changes and their processing. Recursive, so that an event raised while
  // the changes are applied is recorded for the next run rather than lost or deadlocked.
  mutable std::recursive_mutex lock_;
  TPendingChanges pending_;
  TSWMapCell* cell_ = nullptr;
  int nextTop_;
  std::vector<TSWFlowerInfoPanel*> panels_;
  TStoreSubscriber slotWatch_;
  TStoreSubscriber cellWatch_;
};
