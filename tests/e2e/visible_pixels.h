#pragma once
#include <windows.h>

// What the screen shows of another process's window. Other test groups open
// windows on the same desktop at the same time, so a pixel counts only where
// the window itself is the one on top; elsewhere these report "covered".

// The colour at a point of the window's client area, or CLR_INVALID when
// another window covers that point.
COLORREF VisibleClientPixel(HWND window, POINT clientPoint);

// Waits until the screen shows the colour at that client point; false after a
// generous wait.
bool WaitForClientColour(HWND window, POINT clientPoint, COLORREF wanted);

// The number of pixels inside a child control that differ from the
// background colour, waiting while another window covers the control; -1
// when it stays covered for a generous time.
int PixelsUnlike(HWND control, COLORREF background);
