#include "ui/widgets/log_lines.h"

#include <utility>

int64_t TSWLogLines::Add(TSWLogLine line, int limit) {
  DropToBelow(limit);
  lines_.push_back(std::move(line));
  return NextPosition() - 1;
}

void TSWLogLines::DropToBelow(int limit) {
  while (!lines_.empty() && Count() >= limit) {
    lines_.pop_front();
    ++firstPosition_;
  }
}

const TSWLogLine* TSWLogLines::Find(int64_t position) const {
  if (position < firstPosition_ || position >= NextPosition()) return nullptr;
  return &lines_[static_cast<size_t>(position - firstPosition_)];
}

void TSWLogLines::ForgetCells() {
  for (TSWLogLine& line : lines_) line.Item.Cell = nullptr;
}
