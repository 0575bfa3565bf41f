#pragma once
// Where the parts of one event log line go: the icon strip on the left, the icon centred in it
// vertically, the text to its right.
#include "platform/geometry.h"

inline constexpr int kLogItemHeight = 20;
inline constexpr int kLogIconSize = 16;
// The icon strip's width, by which the text moves right.
inline constexpr int kLogIconStrip = 19;
// From the strip to the text, and from the line's left edge to the icon.
inline constexpr int kLogTextIndent = 2;
inline constexpr int kLogIconIndent = 2;

// The part of the line that holds the text, its background included.
constexpr TRect LogTextArea(const TRect& line) {
  return {line.Left + kLogIconStrip, line.Top, line.Right, line.Bottom};
}

// The box the text is drawn in, vertically centred.
constexpr TRect LogTextBox(const TRect& line) {
  const TRect area = LogTextArea(line);
  return {area.Left + kLogTextIndent, area.Top, area.Right, area.Bottom};
}

constexpr TRect LogIconStrip(const TRect& line) {
  return {line.Left, line.Top, line.Left + kLogIconStrip, line.Bottom};
}

// The icon's top-left corner.
constexpr TPoint LogIconPosition(const TRect& line) {
  return {line.Left + kLogIconIndent, line.Top + (line.Bottom - line.Top - kLogIconSize) / 2};
}
