#include "support/bitmap_file.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

int PatternIndex(int bits, int x, int y)
{
    return (x + 3 * y) % (1 << bits);
}

// Every index a colour of its own; 16-bit channels use 5-bit levels 0..2,
// which every widening rule turns into the same bytes.
RGBQUAD TableColour(int i)
{
    return RGBQUAD{BYTE(255 - i), BYTE(i * 97 + 40), BYTE(i * 53), 0};
}

Bmp Rows24(int width, int height, bool topDown, const std::function<COLORREF(int)>& colourOfRow)
{
    Bmp bmp;
    const int stride = (24 * width + 31) / 32 * 4;
    bmp.info = {40, width, topDown ? -height : height, 1, 24, BI_RGB, DWORD(stride * height), 0, 0,
                0,  0};
    bmp.file.bfSize = DWORD(bmp.Offset() + stride * height);
    for (int stored = 0; stored < height; ++stored) {
        const COLORREF c = colourOfRow(topDown ? stored : height - 1 - stored);
        std::string row(stride, '\0');
        for (int x = 0; x < width; ++x)
            row.replace(x * 3, 3, {char(GetBValue(c)), char(GetGValue(c)), char(GetRValue(c))});
        bmp.pixels += row;
    }
    return bmp;
}

} // namespace

std::string Bmp::Bytes() const
{
    BITMAPFILEHEADER header = file;
    header.bfOffBits = autoOffset ? Offset() : file.bfOffBits;
    std::string colours(reinterpret_cast<const char*>(table.data()), 4 * table.size());
    return BytesOf(header) + BytesOf(info) + extension + colours + pixels;
}

COLORREF PatternColour(int bits, int x, int y)
{
    const RGBQUAD c = TableColour(PatternIndex(bits <= 8 ? bits : 8, x, y));
    if (bits <= 8)
        return RGB(c.rgbRed, c.rgbGreen, c.rgbBlue);
    if (bits == 16)
        return RGB(x % 3 << 3, y % 3 << 3, (x + y) % 3 << 3);
    return RGB(x * 40 + 10, y * 40 + 20, (x * 16 + y) ^ 0x80);
}

Bmp Pattern(int width, int height, int bits)
{
    Bmp bmp;
    const int stride = (bits * width + 31) / 32 * 4;
    bmp.info = {40, width, height, 1, WORD(bits), BI_RGB, DWORD(stride * height), 0, 0, 0, 0};
    for (int i = 0; bits <= 8 && i < 1 << bits; ++i)
        bmp.table.push_back(TableColour(i));
    for (int y = height - 1; y >= 0; --y) {
        std::string row(stride, '\0');
        for (int x = 0; x < width; ++x) {
            const COLORREF c = PatternColour(bits, x, y);
            if (bits <= 8)
                row[x * bits / 8] |= char(PatternIndex(bits, x, y) << (8 - bits - x * bits % 8));
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

std::string SolidBitmapFile(int width, int height, COLORREF colour, bool topDown)
{
    return Rows24(width, height, topDown, [colour](int) { return colour; }).Bytes();
}

std::string BandedBitmapFile(int width, int height)
{
    return Rows24(width, height, false, BandColour).Bytes();
}

std::vector<DWORD> Render(int width, int height, const std::function<bool(HDC)>& draw,
                          DWORD background)
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

DWORD FileDib::FirstColour() const
{
    const RGBQUAD c = FieldAt<RGBQUAD>(block, FieldAt<DWORD>(block, 0));
    return DWORD(c.rgbRed) << 16 | c.rgbGreen << 8 | c.rgbBlue;
}

std::string ReadFileDib(const std::string& bytes, FileDib& dib)
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
    const std::size_t masksAt = 14 + 40, masksEnd = fields ? masksAt + 12 : masksAt;
    if (bytes.size() < masksEnd)
        return "masks beyond the end of the file";
    for (std::size_t i = 0; fields && i < 3; ++i) {
        const DWORD mask = FieldAt<DWORD>(bytes, masksAt + 4 * i);
        const DWORD above = mask + (mask & (0 - mask)); // one bit when the set bits are in one run
        if ((above & (above - 1)) != 0 || (bits == 16 && mask > 0xFFFF))
            return "masks of no channels";
    }
    const std::uint64_t entries = info.biClrUsed != 0 ? info.biClrUsed : bits <= 8 ? 1u << bits : 0;
    const std::uint64_t rowSize = (std::uint64_t(bits) * info.biWidth + 31) / 32 * 4;
    const std::uint64_t height = std::uint64_t(std::abs(std::int64_t(info.biHeight)));
    const std::uint64_t tableEnd =
        14 + std::uint64_t(info.biSize) + (fields && info.biSize == 40 ? 12 : 0) + 4 * entries;
    const DWORD offset = FieldAt<DWORD>(bytes, 10);
    const std::uint64_t pixels = offset != 0 ? offset : tableEnd;
    const std::uint64_t stored = dib.rle ? info.biSizeImage : rowSize * height;
    if ((kind == BI_RGB || fields) && info.biSizeImage != 0 && info.biSizeImage < stored)
        return "stated image size short of the rows";
    if ((kind == BI_RGB || fields) && info.biSizeImage == 0 && info.biHeight < 0)
        return "top-down rows of no stated size";
    if (rowSize * height > 0xFFFFFFFFu || tableEnd > bytes.size() || pixels + stored > bytes.size())
        return "colour table or pixel data beyond the end of the file";
    dib.block = bytes.substr(14, std::size_t(tableEnd - 14));
    dib.bitsAt = dib.block.size();
    if (dib.rle) {
        dib.block += bytes.substr(std::size_t(pixels), std::size_t(stored));
        return std::string();
    }
    for (std::uint64_t row = 0; row < height; ++row)
        dib.block += bytes.substr(
            std::size_t(pixels + rowSize * (info.biHeight > 0 ? row : height - 1 - row)),
            std::size_t(rowSize));
    reinterpret_cast<BITMAPINFOHEADER*>(&dib.block[0])->biHeight = LONG(height);
    return std::string();
}

std::vector<DWORD> DrawFileDib(const FileDib& dib, int width, int height)
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
