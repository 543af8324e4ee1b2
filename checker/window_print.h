#pragma once
#include <windows.h>

// Paints a window's client area and its child windows into a device context
// as the screen shows them, hidden or not: the window prints itself first
// (erased, then painted), then every child whose style makes it visible
// prints itself, frame included, over what lies under it, from the bottom of
// the z-order up. The system's own print of the children is not used: Wine's
// leaves them out, and its drop-down list leaves its field empty while hidden,
// so an owner-drawn one is asked for its field the way it asks itself.
void PrintWindowClient(HWND window, HDC dc);
