#pragma once
// The event log's lines, oldest first, each with its record: the cell the event happened on, the
// line's icon, colour and weight. A line's position counts every line ever added, so it stays the
// same while older lines go, and a record goes with its line: a long game keeps no more records
// than the log shows lines.
//
// Takes no lock: the log box guards it.
#include <cstdint>
#include <deque>

#include "base/wide_string.h"
#include "platform/geometry.h"

class TSWMapCell;

enum class TSWLogStyle : uint8_t { Regular, Bold };

// What a line shows besides its text.
struct TSWLogItem {
  // Where the event happened; nullptr for none.
  TSWMapCell* Cell = nullptr;
  // The image name of the line's icon in the data package.
  WideString Icon;
  TColor Color = 0;
  TSWLogStyle Style = TSWLogStyle::Regular;
};

struct TSWLogLine {
  WideString Text;
  TSWLogItem Item;
};

class TSWLogLines {
 public:
  // Drops the oldest lines until fewer than `limit` remain, then appends `line`; returns its
  // position.
  int64_t Add(TSWLogLine line, int limit);
  // Drops the oldest lines until fewer than `limit` remain (none for a limit of 0 or less).
  void DropToBelow(int limit);

  int Count() const { return static_cast<int>(lines_.size()); }
  // The oldest line's position; NextPosition() when there is none.
  int64_t FirstPosition() const { return firstPosition_; }
  // The position the next line will get.
  int64_t NextPosition() const { return firstPosition_ + Count(); }
  // The line at `position`, or nullptr once it has been dropped (or before it was added). Valid
  // until the next change.
  const TSWLogLine* Find(int64_t position) const;

  // Every line forgets its cell: the cells it named have gone or are about to.
  void ForgetCells();

 private:
  std::deque<TSWLogLine> lines_;
  int64_t firstPosition_ = 0;
};
