#pragma once
// The event log: a list on the main window that writes a few game events as one-line messages
// with a 16 x 16 icon, a colour and a weight, from its player's point of view, keeps at most
// Limit lines (the oldest go first) and selects the cell of a line's event on the map when the
// line is double-clicked.
//
// Lines may be added on any thread: each addition runs whole under the log's lock, and the
// visible list catches up on the window's thread (at once when the addition runs there).
#include <QListWidget>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>

#include "ui/widgets/log_lines.h"

class TComponent;
class TObject;
class TSWConfig;
class TSWGame;
class TSWPlayer;

class TSWLogBox : public QListWidget {
 public:
  // Empty, Limit 100, no game, no player.
  explicit TSWLogBox(QWidget* parent = nullptr);
  ~TSWLogBox() override;

  // Setting leaves the previous game's store and subscribes to the new game's, when it has one;
  // lines written for another game no longer lead to cells. The log lets go of a game, store or
  // player that is destroyed.
  TSWGame* Game() const { return game_; }
  void SetGame(TSWGame* game);
  // Whose point of view the log takes; nullptr: every flower event is written.
  TSWPlayer* Player() const { return player_; }
  void SetPlayer(TSWPlayer* player);
  // The after-loading hook of the owner's creation order: subscribes again, for a game that was
  // given its store after it was set here.
  void Loaded();

  int32_t Limit() const { return limit_; }
  // Drops the oldest lines until fewer than `limit` remain. Fails with "TSWLogBox.Limit must be
  // at least 1 - but %d was given." (EInvalidArgument), changing nothing.
  void SetLimit(int32_t limit);

  // Any thread: drops the oldest lines until fewer than Limit remain, then appends the line with
  // its record. The new line is scrolled into view and no line stays selected.
  void AddMessage(const WideString& text, const TSWLogItem& record);

  // The record of the visible line `row`; nothing for a row that is not there or whose record
  // was dropped by an addition the list has not caught up with yet.
  std::optional<TSWLogItem> RecordAt(int row) const;

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // The subscriber of the game's events, told when the game, its store or the player goes.
  class TWatch;
  // Paints each line through DrawItem.
  class TItemDrawer;

  void EventHandler(const WideString& eventName, TObject* arg);
  void Subscribe();
  void Unsubscribe();
  void Forget(TComponent* component);
  void ForgetCells();
  // Brings the visible list up to the lines, on the window's thread.
  void ShowLinesOnWindowThread();
  void ShowLines();
  void RevealNewest();
  void DrawItem(QPainter& painter, int row, const QRect& rect, bool selected) const;
  void DrawIcon(QPainter& painter, const WideString& icon, const TRect& line) const;
  void DblClick();

  std::unique_ptr<TWatch> watch_;
  TSWGame* game_ = nullptr;
  // The store whose events the log hears: the game's when it subscribed.
  TSWConfig* config_ = nullptr;
  TSWPlayer* player_ = nullptr;
  int32_t limit_ = 100;
  // The list's font colour, which lines take unless they have their own; read on any thread.
  std::atomic<TColor> fontColor_ = 0;
  mutable std::mutex lock_;
  TSWLogLines lines_;
  // The position the next line added to the visible list gets; window's thread only.
  int64_t shownNext_ = 0;
};
