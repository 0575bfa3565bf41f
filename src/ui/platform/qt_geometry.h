#pragma once
// The engine's drawing value types and Qt's: rectangles (right and bottom excluded on the engine
// side, a width and height on Qt's) and colours (0x00BBGGRR, always opaque).
#include <QColor>
#include <QRect>

#include "platform/geometry.h"

inline QRect ToQRect(const TRect& rect) {
  return QRect(rect.Left, rect.Top, rect.Width(), rect.Height());
}

inline TRect ToTRect(const QRect& rect) {
  return Bounds(rect.left(), rect.top(), rect.width(), rect.height());
}

inline QColor ToQColor(TColor color) { return QColor(RedOf(color), GreenOf(color), BlueOf(color)); }
