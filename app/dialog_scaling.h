#pragma once
#include <windows.h>

// A control edge scaled when the dialog is fitted to its picture: the list and
// the combo round to the nearest pixel, the description and the exit link
// round down.
LONG ScaleEdge(LONG edge, double factor, bool roundToNearest);
RECT ScaleRect(const RECT& rect, double sx, double sy, bool roundToNearest);
