// BMP files built field by field, so that a test can spoil one field, and a
// 32-bit DIB section to draw into and read back pixel by pixel.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

template <typename T>
std::string BytesOf(const T& value)
{
    return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}

struct Bmp {
    BITMAPFILEHEADER file{0x4D42, 0, 0, 0, 0};
    bool autoOffset = true; // bfOffBits right after the colour table
    BITMAPINFOHEADER info{};
    std::string extension; // bytes of a longer info header after its first 40
    std::vector<RGBQUAD> table;
    std::string pixels;

    DWORD Offset() const { return DWORD(14 + 40 + extension.size() + 4 * table.size()); }
    std::string Bytes() const
    {
        BITMAPFILEHEADER header = file;
        header.bfOffBits = autoOffset ? Offset() : file.bfOffBits;
        std::string colours(reinterpret_cast<const char*>(table.data()), 4 * table.size());
        return BytesOf(header) + BytesOf(info) + extension + colours + pixels;
    }
};

// The colour of pixel (x, y) (from the top left) of Pattern(bits): neighbours
// differ, so a shifted or mirrored copy shows. Table colours differ for every
// index; 16-bit channels use 5-bit levels 0..2, which widen the same anyhow.
inline int PatternIndex(int bits, int x, int y)
{
    return (x + 3 * y) % (1 << bits);
}
inline RGBQUAD TableColour(int i)
{
    return RGBQUAD{BYTE(255 - i), BYTE(i * 97 + 40), BYTE(i * 53), 0};
}
inline COLORREF PatternColour(int bits, int x, int y)
{
    const RGBQUAD c = TableColour(PatternIndex(bits <= 8 ? bits : 8, x, y));
    if (bits <= 8)
        return RGB(c.rgbRed, c.rgbGreen, c.rgbBlue);
    if (bits == 16)
        return RGB(x % 3 << 3, y % 3 << 3, (x + y) % 3 << 3);
    return RGB(x * 40 + 10, y * 40 + 20, (x * 16 + y) ^ 0x80);
}

inline Bmp Pattern(int width, int height, int bits)
{
    Bmp bmp;
    const int stride = (bits * width + 31) / 32 * 4;
    bmp.info = {40, width, height, 1, WORD(bits), BI_RGB, DWORD(stride * height), 0, 0, 0, 0};
    for (int i = 0; bits <= 8 && i < 1 << bits; ++i)
        bmp.table.push_back(TableColour(i));
    for (int y = height - 1; y >= 0; --y) { // bottom-up
        std::string row(stride, '\0');
        for (int x = 0; x < width; ++x) {
            const COLORREF c = PatternColour(bits, x, y);
            if (bits <= 8)
                row[x * bits / 8] |= char(PatternIndex(bits, x, y) << (8 - bits - x * bits % 8));
            else if (bits == 16)
                row.replace(x * 2, 2, BytesOf(WORD(x % 3 << 10 | y % 3 << 5 | (x + y) % 3)));
            else
                row.replace(x * bits / 8, 3,
                            BytesOf(RGBQUAD{GetBValue(c), GetGValue(c), GetRValue(c), 0}), 0, 3);
        }
        bmp.pixels += row;
    }
    return bmp;
}

// A top-down 32-bit DIB section in a memory DC, every pixel kUntouched.
struct DibCanvas {
    static constexpr COLORREF kUntouched = RGB(0x13, 0x57, 0x9B);
    DibCanvas(int width, int height) : width(width), height(height), dc(CreateCompatibleDC(nullptr))
    {
        BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0},
                        {}};
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits),
                                  nullptr, 0);
        previous = SelectObject(dc, bitmap);
        std::fill(bits, bits + (bits ? width * height : 0), 0x13579B);
    }
    ~DibCanvas()
    {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    DibCanvas(const DibCanvas&) = delete;
    HDC Dc() const { return dc; }
    COLORREF Pixel(int x, int y) const
    {
        GdiFlush();
        const DWORD v = bits[y * width + x];
        return RGB(v >> 16 & 0xFF, v >> 8 & 0xFF, v & 0xFF);
    }
    // How many pixels outside rect something drew on.
    int TouchedOutside(const RECT& rect) const
    {
        int count = 0;
        for (int i = 0; i < width * height; ++i)
            count += !PtInRect(&rect, POINT{i % width, i / width}) &&
                     Pixel(i % width, i / width) != kUntouched;
        return count;
    }
    int width, height;
    HDC dc;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
    DWORD* bits = nullptr;
};

// The canvas shows Pattern(bits) pixels (sx + x, sy + y) at (dx + x, dy + y)
// for a w x h block, and nothing outside it.
inline void ExpectCopy(const DibCanvas& canvas, int bits, int dx, int dy, int sx, int sy, int w,
                       int h)
{
    for (int i = 0; i < w * h; ++i)
        ASSERT_EQ(PatternColour(bits, sx + i % w, sy + i / w), canvas.Pixel(dx + i % w, dy + i / w))
            << bits << " bits per pixel, pixel (" << i % w << "," << i / w << ")";
    EXPECT_EQ(0, canvas.TouchedOutside(RECT{dx, dy, dx + w, dy + h}));
}
