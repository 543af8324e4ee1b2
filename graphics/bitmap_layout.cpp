#include "graphics/bitmap_layout.h"

#include <cstring>

namespace {

constexpr std::uint64_t kMaxSize32 = 0xFFFFFFFFu;
constexpr WORD kBitmapSignature = 0x4D42; // "BM"

// Depths that GDI draws from an uncompressed DIB. Others would make GDI
// expect a colour table that ColorTableEntries does not count.
bool IsDrawableDepth(WORD bitCount) {
    switch (bitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32:
        return true;
    default:
        return false;
    }
}

WORD ReadWord(const BYTE* bytes) {
    return static_cast<WORD>(bytes[0] | (bytes[1] << 8));
}

DWORD ReadDword(const BYTE* bytes) {
    DWORD value = 0;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

std::uint64_t Magnitude(LONG value) {
    return value < 0 ? std::uint64_t(0) - static_cast<std::uint64_t>(static_cast<std::int64_t>(value))
                     : static_cast<std::uint64_t>(value);
}

} // namespace

bool BitmapLayout::ReadFileHeader(const BYTE (&bytes)[kFileHeaderSize], DWORD& pixelOffset) {
    if (ReadWord(bytes) != kBitmapSignature || ReadWord(bytes + 6) != 0 || ReadWord(bytes + 8) != 0)
        return false;
    pixelOffset = ReadDword(bytes + 10);
    return true;
}

DWORD BitmapLayout::ColorTableEntries(const BITMAPINFOHEADER& header) {
    if (header.biClrUsed != 0)
        return header.biClrUsed;
    switch (header.biBitCount) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
    }
}

std::uint64_t BitmapLayout::RowSize(WORD bitCount, LONG width) {
    const std::uint64_t bits = std::uint64_t(bitCount) * Magnitude(width);
    return (bits + 31) / 32 * 4;
}

bool BitmapLayout::Plan(const BITMAPINFOHEADER& header, DWORD pixelOffset, std::uint64_t fileSize,
                        BitmapLayout& layout) {
    // GDI draws nothing from a DIB of more or fewer than one plane.
    if (header.biSize != kInfoHeaderSize || header.biCompression != BI_RGB || header.biPlanes != 1)
        return false;
    if (!IsDrawableDepth(header.biBitCount) || header.biWidth <= 0 || header.biHeight == 0)
        return false;

    // The row size as 32-bit arithmetic would form it must not have wrapped.
    if (std::uint64_t(header.biBitCount) * std::uint64_t(header.biWidth) + 31 > kMaxSize32)
        return false;
    const std::uint64_t rows = RowSize(header.biBitCount, header.biWidth) * Magnitude(header.biHeight);
    if (rows > kMaxSize32)
        return false;

    std::uint64_t image = header.biSizeImage;
    if (image == 0) {
        // Top-down rows need a stated size: row size x a negative height is
        // no size at all.
        if (header.biHeight < 0)
            return false;
        image = rows;
    }
    // GDI reads every row of the stated width and height from the block.
    if (image < rows)
        return false;

    const std::uint64_t table = std::uint64_t(ColorTableEntries(header)) * sizeof(RGBQUAD);
    if (kInfoHeaderSize + table + image > kMaxSize32)
        return false;

    const std::uint64_t tableEnd = kFileHeaderSize + kInfoHeaderSize + table;
    const std::uint64_t pixelStart = pixelOffset != 0 ? pixelOffset : tableEnd;
    if (tableEnd > fileSize || pixelStart + image > fileSize)
        return false;

    layout.colorTableEntries = ColorTableEntries(header);
    layout.imageSize = static_cast<DWORD>(image);
    layout.pixelDataStart = static_cast<DWORD>(pixelStart);
    return true;
}

std::size_t BitmapLayout::BlockSize() const {
    return kInfoHeaderSize + std::size_t(colorTableEntries) * sizeof(RGBQUAD) + imageSize;
}
