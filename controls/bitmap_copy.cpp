#include "controls/bitmap_copy.h"

#include "graphics/dc_scope.h"
#include "graphics/memory_dc.h"

void CopyBitmap(HDC target, HBITMAP bitmap, int x, int y, int width, int height, int sourceY)
{
    if (!bitmap || width <= 0 || height <= 0)
        return;
    MemoryDC memory(target);
    SelectedObject selected(memory.Handle(), bitmap);
    BitBlt(target, x, y, width, height, memory.Handle(), 0, sourceY, SRCCOPY);
}

HBITMAP LoadBitmapForCopying(HINSTANCE instance, int id)
{
    return static_cast<HBITMAP>(
        LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}
