// BMP files built field by field, so that a test can spoil any one field;
// what a draw leaves on a 32-bit canvas; and what GDI itself draws from a
// file's own bytes, the measure the loader's pictures are compared with.
#pragma once
#include <windows.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

template <typename T>
std::string BytesOf(const T& value)
{
    return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}

template <typename T>
T FieldAt(const std::string& bytes, std::size_t offset)
{
    T value{};
    if (offset + sizeof value <= bytes.size())
        std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

struct Bmp {
    BITMAPFILEHEADER file{0x4D42, 0, 0, 0, 0};
    bool autoOffset = true; // bfOffBits right after the colour table
    BITMAPINFOHEADER info{};
    std::string extension; // masks, or the bytes of a longer info header after its first 40
    std::vector<RGBQUAD> table;
    std::string pixels;

    DWORD Offset() const { return DWORD(14 + 40 + extension.size() + 4 * table.size()); }
    std::string Bytes() const;
};

// Pattern(width, height, bits): pixel (x, y) from the top left shows
// PatternColour(bits, x, y). Neighbours differ, so a shifted or mirrored copy
// shows; rows are bottom-up and padded, biSizeImage is stated.
Bmp Pattern(int width, int height, int bits);
COLORREF PatternColour(int bits, int x, int y);

// A 24-bit BMP file of one colour; stored top-down (negative height) when asked.
std::string SolidBitmapFile(int width, int height, COLORREF colour, bool topDown = false);
// A 24-bit BMP file whose every row has a colour of its own, so that a part of
// it drawn at the wrong height shows: row y (from the top) is BandColour(y).
std::string BandedBitmapFile(int width, int height);
inline COLORREF BandColour(int y)
{
    return RGB(y & 0xFF, 40 + 60 * ((y >> 8) & 3), 160);
}

// A canvas pixel (0x00RRGGBB) as a COLORREF.
inline COLORREF CanvasColour(DWORD pixel)
{
    return RGB(pixel >> 16 & 0xFF, pixel >> 8 & 0xFF, pixel & 0xFF);
}

constexpr DWORD kUntouched = 0x13579B;

// The pixels, top row first, that draw(dc, box) leaves on a 32-bit canvas of
// width x height filled with background; empty when draw fails.
std::vector<DWORD> Render(int width, int height, const std::function<bool(HDC)>& draw,
                          DWORD background = kUntouched);

struct FileDib {
    std::string block; // info header, masks and colour table as in the file, then the pixel data
    std::size_t bitsAt = 0; // where the pixel data starts in block
    bool rle = false;
    DWORD FirstColour() const; // colour table entry 0, as a canvas pixel
};

// Why GDI's drawing of the file is no measure for the loader: empty when
// the file's headers describe a drawable picture whose colour table and
// pixel data the file holds. Rows stored top-down are turned bottom-up, as
// GDI takes a top-down DIB's source rectangle in other terms.
std::string ReadFileDib(const std::string& bytes, FileDib& dib);

// GDI's drawing of the file's bottom-left width x height, over the colour
// table's first colour where an RLE stream leaves pixels out.
std::vector<DWORD> DrawFileDib(const FileDib& dib, int width, int height);
