#pragma once
// Placing a window on its screen.
class QWidget;

// Centres the window's frame on the available area of its screen.
void CenterOnScreen(QWidget& window);
