// What GDI itself draws from a BMP file's own bytes: the file's info header
// (of whatever size), bit-field masks, colour table and pixel data handed to
// SetDIBitsToDevice unchanged. The loader's pictures are compared with it.
#pragma once
#include "test_pictures.h"

#include <cstdlib>
#include <cstring>
#include <functional>

template <typename T>
T FieldAt(const std::string& bytes, std::size_t offset)
{
    T value{};
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

// The pixels that draw(dc, box) leaves on a canvas of the box's size filled
// with background; empty when draw fails.
inline std::vector<DWORD> Render(const RECT& box, const std::function<bool(HDC, const RECT&)>& draw,
                                 DWORD background = 0x13579B)
{
    DibCanvas canvas(std::max<LONG>(box.right, 1), std::max<LONG>(box.bottom, 1));
    std::fill(canvas.bits, canvas.bits + canvas.width * canvas.height, background);
    if (!draw(canvas.Dc(), box))
        return {};
    GdiFlush();
    std::vector<DWORD> pixels(canvas.bits, canvas.bits + canvas.width * canvas.height);
    for (DWORD& pixel : pixels)
        pixel &= 0xFFFFFF; // the unused byte of 32-bit pixels is no colour
    return pixels;
}

struct FileDib {
    std::string block; // info header, masks and colour table as in the file, then the pixel data
    std::size_t bitsAt = 0; // where the pixel data starts in block
    bool rle = false;
    DWORD FirstColour() const
    { // colour table entry 0, as a canvas pixel
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

// GDI's drawing of the file's bottom-left part of the view's size, over the
// colour table's first colour where an RLE stream leaves pixels out.
inline std::vector<DWORD> DrawFileDib(const FileDib& dib, const RECT& view)
{
    return Render(
        view,
        [&](HDC dc, const RECT& box) {
            return SetDIBitsToDevice(dc, 0, 0, box.right, box.bottom, 0, 0, 0, box.bottom,
                                     dib.block.data() + dib.bitsAt,
                                     reinterpret_cast<const BITMAPINFO*>(dib.block.data()),
                                     DIB_RGB_COLORS) != 0;
        },
        dib.rle ? dib.FirstColour() : 0x13579B);
}
