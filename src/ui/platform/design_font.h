#pragma once
// The windows' design font: 8-point "MS Sans Serif" (a sans of the same kind on Linux), which
// every component of a window takes unless it sets its own.
class QWidget;

void ApplyDesignFont(QWidget& window);
