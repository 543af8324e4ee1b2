#pragma once
#include <windows.h>

// Copies a bitmap 1:1 and opaque to a place on the target, starting at row
// sourceY of the bitmap. A null bitmap or an empty size copies nothing.
void CopyBitmap(HDC target, HBITMAP bitmap, int x, int y, int width, int height, int sourceY = 0);

// Loads a bitmap resource that is copied often, as a DIB section: Wine
// copies from one several times faster than from a device-dependent bitmap,
// and a hover change copies two bullets. Null when the resource is missing.
HBITMAP LoadBitmapForCopying(HINSTANCE instance, int id);
