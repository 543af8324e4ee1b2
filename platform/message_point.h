#pragma once
#include <windows.h>

// The point a mouse message carries in its lParam. Both halves are signed:
// left of or above a window, and on a monitor left of or above the primary
// one, the coordinates are negative.
inline POINT PointFromLParam(LPARAM lParam)
{
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}
