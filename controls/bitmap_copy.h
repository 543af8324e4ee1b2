#pragma once
#include <windows.h>

// Copies a bitmap 1:1 and opaque to a place on the target, starting at row
// sourceY of the bitmap. A null bitmap or an empty size copies nothing.
void CopyBitmap(HDC target, HBITMAP bitmap, int x, int y, int width, int height, int sourceY = 0);
