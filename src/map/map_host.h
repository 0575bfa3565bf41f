#pragma once
// The boundary between the map control and whatever shows it on screen (the window's map widget,
// a recording fake in tests). The control never draws on its own: it asks its host to repaint
// areas later, and the host's paint request calls the control's Paint with the canvas to draw on.
// Mouse input travels the other way, as plain calls on the control with the types below.
#include <cstdint>

#include "platform/geometry.h"

class TSWMapHost {
 public:
  virtual ~TSWMapHost() = default;

  // Repaint this area (control coordinates, right and bottom excluded) at the next paint request.
  virtual void InvalidateRect(const TRect& rect) = 0;
  // Repaint the whole control at the next paint request.
  virtual void InvalidateAll() = 0;
  // The control takes this size; its left and top stay where they are.
  virtual void SetControlSize(int width, int height) = 0;
};

enum class TMouseButton { Left, Right, Middle };

// Modifier keys and mouse buttons held, as bits.
using TShiftState = uint8_t;
constexpr TShiftState ssShift = 1;
constexpr TShiftState ssAlt = 2;
constexpr TShiftState ssCtrl = 4;
constexpr TShiftState ssLeft = 8;
constexpr TShiftState ssRight = 16;
constexpr TShiftState ssMiddle = 32;
