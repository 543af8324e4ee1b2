#include "graphics/bitmap_layout.h"

#include <algorithm>
#include <cstring>

#include "graphics/bit_field_converter.h"

namespace {

constexpr std::uint64_t kMaxSize32 = 0xFFFFFFFFu;
constexpr WORD kBitmapSignature = 0x4D42; // "BM"
// An RLE stream may expand to this many times its size, or to this many
// bytes of rows when that is more (a blank picture is a stream of a few bytes).
constexpr std::uint64_t kMaxExpansion = 256;
constexpr std::uint64_t kSmallPicture = 1u << 20;

// Depths that GDI draws from an uncompressed DIB. Others would make GDI
// expect a colour table that ColorTableEntries does not count.
bool IsDrawableDepth(WORD bitCount)
{
    switch (bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32: return true;
    default: return false;
    }
}

bool IsKnownHeaderSize(DWORD size)
{
    return size == BitmapLayout::kInfoHeaderSize || size == BitmapLayout::kV4HeaderSize ||
           size == BitmapLayout::kV5HeaderSize;
}

WORD ReadWord(const BYTE* bytes)
{
    return static_cast<WORD>(bytes[0] | (bytes[1] << 8));
}

DWORD ReadDword(const BYTE* bytes)
{
    DWORD value = 0;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

std::uint64_t Magnitude(LONG value)
{
    return value < 0
               ? std::uint64_t(0) - static_cast<std::uint64_t>(static_cast<std::int64_t>(value))
               : static_cast<std::uint64_t>(value);
}

} // namespace

bool BitmapLayout::ReadFileHeader(const BYTE (&bytes)[kFileHeaderSize], DWORD& pixelOffset)
{
    if (ReadWord(bytes) != kBitmapSignature || ReadWord(bytes + 6) != 0 || ReadWord(bytes + 8) != 0)
        return false;
    pixelOffset = ReadDword(bytes + 10);
    return true;
}

DWORD BitmapLayout::ColorTableEntries(const BITMAPINFOHEADER& header)
{
    if (header.biClrUsed != 0)
        return header.biClrUsed;
    switch (header.biBitCount) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
    }
}

std::uint64_t BitmapLayout::RowSize(WORD bitCount, LONG width)
{
    const std::uint64_t bits = std::uint64_t(bitCount) * Magnitude(width);
    return (bits + 31) / 32 * 4;
}

bool BitmapLayout::Plan(const BITMAPINFOHEADER& header, DWORD pixelOffset, std::uint64_t fileSize,
                        BitmapLayout& layout)
{
    // GDI draws nothing from a DIB of more or fewer than one plane.
    if (!IsKnownHeaderSize(header.biSize) || header.biPlanes != 1 || header.biWidth <= 0 ||
        header.biHeight == 0)
        return false;
    const WORD bits = header.biBitCount;
    const DWORD compression = header.biCompression;
    const bool bitFields = compression == BI_BITFIELDS,
               rle = compression == BI_RLE8 || compression == BI_RLE4;
    if (compression == BI_RGB ? !IsDrawableDepth(bits)
        : bitFields           ? bits != 16 && bits != 32
                    // Compressed streams are bottom-up and state their length.
                    : !rle || bits != (compression == BI_RLE8 ? 8 : 4) || header.biHeight < 0 ||
                          header.biSizeImage == 0)
        return false;
    const WORD blockBits = bitFields ? BitFieldConverter::OutputBitCount(bits) : bits;

    // The row size as 32-bit arithmetic would form it must not have wrapped.
    if (std::uint64_t(blockBits) * std::uint64_t(header.biWidth) + 31 > kMaxSize32)
        return false;
    const std::uint64_t height = Magnitude(header.biHeight);
    const std::uint64_t rows = RowSize(bits, header.biWidth) * height;
    const std::uint64_t blockRows = RowSize(blockBits, header.biWidth) * height;
    if (blockRows > kMaxSize32)
        return false;

    std::uint64_t stored = header.biSizeImage;
    if (!rle) {
        if (stored == 0) {
            // Top-down rows need a stated size: row size x a negative height
            // is no size at all.
            if (header.biHeight < 0)
                return false;
            stored = rows;
        }
        // GDI reads every row of the stated width and height from the block.
        if (stored < rows)
            return false;
    }
    if (bitFields)
        stored = rows;
    // Rows the file does not hold are made from the stream: a few bytes
    // must not claim gigabytes. Runs give at most 255 pixels for 2 bytes, so
    // what drawing programs write stays far below 256 times the stream.
    if (rle && blockRows > std::max<std::uint64_t>(stored * kMaxExpansion, kSmallPicture))
        return false;
    const std::uint64_t image = compression == BI_RGB ? stored : blockRows;
    const std::uint64_t scratch = rle ? stored : 0;

    // Bit-field pixels keep no colour table; one in the file is skipped.
    const std::uint64_t entries = bitFields ? 0 : ColorTableEntries(header);
    const std::uint64_t skipped = bitFields ? std::uint64_t(header.biClrUsed) * sizeof(RGBQUAD) : 0;
    const std::uint64_t table = entries * sizeof(RGBQUAD);
    if (kInfoHeaderSize + table + image + scratch > kMaxSize32)
        return false;

    const std::uint64_t tableStart =
        kFileHeaderSize + header.biSize +
        (bitFields && header.biSize == kInfoHeaderSize ? kMasksSize : 0);
    const std::uint64_t tableEnd = tableStart + table + skipped;
    const std::uint64_t pixelStart = pixelOffset != 0 ? pixelOffset : tableEnd;
    if (tableEnd > fileSize || pixelStart + stored > fileSize)
        return false;

    layout.colorTableEntries = static_cast<DWORD>(entries);
    layout.imageSize = static_cast<DWORD>(image);
    layout.colorTableStart = static_cast<DWORD>(tableStart);
    layout.pixelDataStart = static_cast<DWORD>(pixelStart);
    layout.storedSize = static_cast<DWORD>(stored);
    layout.scratchSize = static_cast<DWORD>(scratch);
    layout.blockBitCount = blockBits;
    return true;
}

BITMAPINFOHEADER BitmapLayout::BlockHeader(const BITMAPINFOHEADER& fileHeader) const
{
    BITMAPINFOHEADER header = fileHeader;
    header.biSize = kInfoHeaderSize;
    header.biBitCount = blockBitCount;
    header.biCompression = BI_RGB;
    header.biSizeImage = imageSize;
    if (fileHeader.biCompression == BI_BITFIELDS)
        header.biClrUsed = header.biClrImportant = 0;
    return header;
}

std::size_t BitmapLayout::BlockSize() const
{
    return kInfoHeaderSize + std::size_t(colorTableEntries) * sizeof(RGBQUAD) + imageSize +
           scratchSize;
}
