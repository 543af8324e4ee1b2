// BMP files built field by field, so that a test can spoil any one field;
// what a draw leaves on a 32-bit canvas; and what GDI itself draws from a
// file's own bytes, the measure the loader's pictures are compared with.
#pragma once
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
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
    std::string Bytes() const
    {
        BITMAPFILEHEADER header = file;
        header.bfOffBits = autoOffset ? Offset() : file.bfOffBits;
        std::string colours(reinterpret_cast<const char*>(table.data()), 4 * table.size());
        return BytesOf(header) + BytesOf(info) + extension + colours + pixels;
    }
};

// The colour table of the patterns: every index a colour of its own.
inline RGBQUAD TableColour(int i)
{
    return RGBQUAD{BYTE(255 - i), BYTE(i * 97 + 40), BYTE(i * 53), 0};
}

// The colour that Pattern(width, height, bits) shows at pixel (x, y) from the
// top left. Neighbours differ, so a shifted or mirrored copy shows; 16-bit
// channels use 5-bit levels 0..2, which every widening rule turns into the
// same bytes.
inline COLORREF PatternColour(int bits, int x, int y)
{
    const RGBQUAD c = TableColour((x + 3 * y) % (1 << std::min(bits, 8)));
    if (bits <= 8)
        return RGB(c.rgbRed, c.rgbGreen, c.rgbBlue);
    if (bits == 16)
        return RGB(x % 3 << 3, y % 3 << 3, (x + y) % 3 << 3);
    return RGB(x * 40 + 10, y * 40 + 20, (x * 16 + y) ^ 0x80);
}

// A picture of width x height at that many bits a pixel, stored bottom-up (or
// top-down), rows padded, biSizeImage stated: pixel (x, y) from the top left
// shows colourAt(x, y) at 24 and 32 bits, the pattern's index or 16-bit
// levels else.
inline Bmp Rows(int width, int height, int bits, const std::function<COLORREF(int, int)>& colourAt,
                bool topDown = false)
{
    Bmp bmp;
    const int stride = (bits * width + 31) / 32 * 4;
    bmp.info = {
        40, width, topDown ? -height : height, 1, WORD(bits), BI_RGB, DWORD(stride * height), 0, 0,
        0,  0};
    for (int i = 0; bits <= 8 && i < 1 << bits; ++i)
        bmp.table.push_back(TableColour(i));
    for (int stored = 0; stored < height; ++stored) {
        const int y = topDown ? stored : height - 1 - stored;
        std::string row(stride, '\0');
        for (int x = 0; x < width; ++x) {
            const COLORREF c = colourAt(x, y);
            if (bits <= 8)
                row[x * bits / 8] |= char((x + 3 * y) % (1 << bits) << (8 - bits - x * bits % 8));
            else if (bits == 16)
                row.replace(x * 2, 2, BytesOf(WORD(x % 3 << 10 | y % 3 << 5 | (x + y) % 3)));
            else
                row.replace(x * bits / 8, 3,
                            {char(GetBValue(c)), char(GetGValue(c)), char(GetRValue(c))});
        }
        bmp.pixels += row;
    }
    return bmp;
}

inline Bmp Pattern(int width, int height, int bits)
{
    return Rows(width, height, bits, [bits](int x, int y) { return PatternColour(bits, x, y); });
}

// A 24-bit BMP file of one colour; stored top-down (negative height) when asked.
inline std::string SolidBitmapFile(int width, int height, COLORREF colour, bool topDown = false)
{
    Bmp bmp = Rows(
        width, height, 24, [colour](int, int) { return colour; }, topDown);
    bmp.file.bfSize = DWORD(bmp.Offset() + bmp.pixels.size());
    return bmp.Bytes();
}

// A 24-bit BMP file whose every row has a colour of its own, so that a part of
// it drawn at the wrong height shows: row y (from the top) is BandColour(y).
inline COLORREF BandColour(int y)
{
    return RGB(y & 0xFF, 40 + 60 * ((y >> 8) & 3), 160);
}

inline std::string BandedBitmapFile(int width, int height)
{
    Bmp bmp = Rows(width, height, 24, [](int, int y) { return BandColour(y); });
    bmp.file.bfSize = DWORD(bmp.Offset() + bmp.pixels.size());
    return bmp.Bytes();
}

// A canvas pixel (0x00RRGGBB) as a COLORREF.
inline COLORREF CanvasColour(DWORD pixel)
{
    return RGB(pixel >> 16 & 0xFF, pixel >> 8 & 0xFF, pixel & 0xFF);
}

constexpr DWORD kUntouched = 0x13579B;

// The pixels, top row first, that draw(dc, box) leaves on a 32-bit canvas of
// width x height filled with background; empty when draw fails.
inline std::vector<DWORD> Render(int width, int height, const std::function<bool(HDC)>& draw,
                                 DWORD background = kUntouched)
{
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    DWORD* bits = nullptr;
    const HDC dc = CreateCompatibleDC(nullptr);
    const HBITMAP bitmap =
        CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    std::vector<DWORD> pixels;
    if (bits != nullptr) {
        std::fill(bits, bits + width * height, background);
        if (draw(dc)) {
            GdiFlush();
            pixels.assign(bits, bits + width * height);
        }
    }
    for (DWORD& pixel : pixels)
        pixel &= 0xFFFFFF; // the unused byte of 32-bit pixels is no colour
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return pixels;
}

struct FileDib {
    std::string block; // info header, masks and colour table as in the file, then the pixel data
    std::size_t bitsAt = 0; // where the pixel data starts in block
    bool rle = false;
    // Colour table entry 0, as a canvas pixel.
    DWORD FirstColour() const
    {
        const RGBQUAD c = FieldAt<RGBQUAD>(block, FieldAt<DWORD>(block, 0));
        return DWORD(c.rgbRed) << 16 | c.rgbGreen << 8 | c.rgbBlue;
    }
};

// Why GDI's drawing of the file is no measure for the loader: empty when
// the file's headers describe a drawable picture whose colour table and
// pixel data the file holds. Rows stored top-down are turned bottom-up, as
// GDI takes a top-down DIB's source rectangle in other terms.
inline std::string ReadFileDib(const std::string& bytes, FileDib& dib)
{
    if (bytes.size() < 54 || bytes.compare(0, 2, "BM") != 0)
        return "no BMP file";
    const BITMAPINFOHEADER info = FieldAt<BITMAPINFOHEADER>(bytes, 14);
    const WORD bits = info.biBitCount;
    const DWORD kind = info.biCompression;
    const bool fields = kind == BI_BITFIELDS;
    dib.rle = kind == BI_RLE8 || kind == BI_RLE4;
    if ((info.biSize != 40 && info.biSize != 108 && info.biSize != 124) || info.biPlanes != 1 ||
        info.biWidth <= 0 || info.biHeight == 0)
        return "headers of no picture";
    if (kind == BI_RGB
            ? bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32
        : fields ? bits != 16 && bits != 32
                 : !dib.rle || bits != (kind == BI_RLE8 ? 8 : 4) || info.biHeight < 0 ||
                       info.biSizeImage == 0)
        return "no layout drawn";
    // Masks beyond the end of the file read as none, whose table ends there too.
    for (std::size_t i = 0; fields && i < 3; ++i) {
        const DWORD mask = FieldAt<DWORD>(bytes, 14 + 40 + 4 * i);
        const DWORD above = mask + (mask & (0 - mask)); // one bit when the set bits are in one run
        if ((above & (above - 1)) != 0 || (bits == 16 && mask > 0xFFFF))
            return "masks of no channels";
    }
    const std::uint64_t entries = info.biClrUsed != 0 ? info.biClrUsed : bits <= 8 ? 1u << bits : 0;
    const std::uint64_t rowSize = (std::uint64_t(bits) * info.biWidth + 31) / 32 * 4;
    const std::uint64_t height = std::uint64_t(std::abs(std::int64_t(info.biHeight)));
    const std::uint64_t tableEnd =
        14 + std::uint64_t(info.biSize) + (fields && info.biSize == 40 ? 12 : 0) + 4 * entries;
    const std::uint64_t pixels =
        FieldAt<DWORD>(bytes, 10) != 0 ? FieldAt<DWORD>(bytes, 10) : tableEnd;
    const std::uint64_t stored = dib.rle ? info.biSizeImage : rowSize * height;
    if ((kind == BI_RGB || fields) &&
        (info.biSizeImage != 0 ? info.biSizeImage < stored : info.biHeight < 0))
        return "stated image size short of the rows, or top-down rows of none";
    if (rowSize * height > 0xFFFFFFFFu || tableEnd > bytes.size() || pixels + stored > bytes.size())
        return "colour table or pixel data beyond the end of the file";
    dib.block = bytes.substr(14, std::size_t(tableEnd - 14));
    dib.bitsAt = dib.block.size();
    // An RLE stream as it is: its rows are bottom-up.
    if (dib.rle)
        dib.block += bytes.substr(std::size_t(pixels), std::size_t(stored));
    for (std::uint64_t row = 0; !dib.rle && row < height; ++row)
        dib.block += bytes.substr(
            std::size_t(pixels + rowSize * (info.biHeight > 0 ? row : height - 1 - row)),
            std::size_t(rowSize));
    reinterpret_cast<BITMAPINFOHEADER*>(&dib.block[0])->biHeight = LONG(height);
    return std::string();
}

// GDI's drawing of the file's bottom-left width x height, over the colour
// table's first colour where an RLE stream leaves pixels out.
inline std::vector<DWORD> DrawFileDib(const FileDib& dib, int width, int height)
{
    return Render(
        width, height,
        [&](HDC dc) {
            return SetDIBitsToDevice(
                       dc, 0, 0, width, height, 0, 0, 0, height, dib.block.data() + dib.bitsAt,
                       reinterpret_cast<const BITMAPINFO*>(dib.block.data()), DIB_RGB_COLORS) != 0;
        },
        dib.rle ? dib.FirstColour() : kUntouched);
}
