#include "graphics/bitmap_source.h"

BitmapSource::~BitmapSource()
{
    Reset();
}

void BitmapSource::Reset(HBITMAP taken)
{
    if (memory != nullptr) {
        SelectObject(memory, original);
        DeleteDC(memory);
        memory = nullptr;
        original = nullptr;
    }
    bitmap.reset(taken);
    if (!bitmap)
        return;
    memory = CreateCompatibleDC(nullptr);
    original = memory ? SelectObject(memory, bitmap.get()) : nullptr;
    if (original == nullptr && memory != nullptr) {
        DeleteDC(memory);
        memory = nullptr;
    }
}

void BitmapSource::CopyTo(HDC target, int x, int y, int width, int height) const
{
    if (memory != nullptr && width > 0 && height > 0)
        BitBlt(target, x, y, width, height, memory, 0, 0, SRCCOPY);
}
