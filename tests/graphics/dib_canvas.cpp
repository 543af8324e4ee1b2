#include "dib_canvas.h"

#include <stdexcept>

DibCanvas::DibCanvas(int width, int height)
    : width(width), height(height), dc(CreateCompatibleDC(nullptr)), bitmap(nullptr), previousBitmap(nullptr),
      bits(nullptr) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down: row 0 is the top row
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* memory = nullptr;
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
    if (dc == nullptr || bitmap == nullptr)
        throw std::runtime_error("cannot make a DIB section");
    bits = static_cast<DWORD*>(memory);
    previousBitmap = SelectObject(dc, bitmap);
    const DWORD fill = (GetRValue(kUntouched) << 16) | (GetGValue(kUntouched) << 8) | GetBValue(kUntouched);
    for (int i = 0; i < width * height; ++i)
        bits[i] = fill;
}

DibCanvas::~DibCanvas() {
    SelectObject(dc, previousBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

COLORREF DibCanvas::Pixel(int x, int y) const {
    GdiFlush();
    const DWORD value = bits[y * width + x];
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

std::string DibCanvas::TouchedOutside(const RECT& rect) const {
    std::string found;
    int count = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const POINT point = {x, y};
            if (!PtInRect(&rect, point) && Pixel(x, y) != kUntouched && count++ < 5)
                found += "(" + std::to_string(x) + "," + std::to_string(y) + ") ";
        }
    }
    return found;
}
