#pragma once
// Placing a window on its screen.
class QRect;
class QWidget;

// Centres the window's frame on the available area of its screen, first making the window
// smaller where it would not fit (a small screen, or a large scale factor), so that its title
// bar and edges stay within reach.
void CenterOnScreen(QWidget& window);

// Whether part of the rectangle lies within the available area of a screen now attached.
bool IsOnAScreen(const QRect& rect);
