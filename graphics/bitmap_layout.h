#ifndef KIVERON_GRAPHICS_BITMAP_LAYOUT_H
#define KIVERON_GRAPHICS_BITMAP_LAYOUT_H

#include <windows.h>

#include <cstddef>
#include <cstdint>

// Where the parts of an uncompressed BMP file lie and how large the
// in-memory image block must be, worked out from the headers alone and
// checked against the file's size before anything is allocated. The file is
// untrusted: a layout is only made for one plane of a depth that GDI draws,
// when every size fits in 32 bits, the pixel rows that GDI will read for the
// stated width and height are all there, and the file is long enough to
// supply the colour table and the pixel data that it announces.
class BitmapLayout {
public:
    static constexpr DWORD kFileHeaderSize = 14;
    static constexpr DWORD kInfoHeaderSize = 40;

    // Checks the 14-byte file header ("BM", reserved fields 0) and gives the
    // pixel-data offset it names; the file size field is not trusted.
    static bool ReadFileHeader(const BYTE (&bytes)[kFileHeaderSize], DWORD& pixelOffset);

    // Number of RGBQUADs that follow the info header: biClrUsed when set,
    // else 2, 16 or 256 for 1, 4 and 8 bits per pixel, else 0.
    static DWORD ColorTableEntries(const BITMAPINFOHEADER& header);

    // Bytes in one pixel row, padded to a multiple of four.
    static std::uint64_t RowSize(WORD bitCount, LONG width);

    // Plans the image block for an info header read from a file of fileSize
    // bytes whose file header named pixelOffset (0: rows follow the colour
    // table). False for anything the surface does not draw safely.
    static bool Plan(const BITMAPINFOHEADER& header, DWORD pixelOffset, std::uint64_t fileSize,
                     BitmapLayout& layout);

    DWORD ColorTableEntries() const { return colorTableEntries; }
    // biSizeImage as the block holds it (computed when the file left it 0).
    DWORD ImageSize() const { return imageSize; }
    // File offset of the first pixel row.
    DWORD PixelDataStart() const { return pixelDataStart; }
    // Info header + colour table + pixel rows.
    std::size_t BlockSize() const;

private:
    DWORD colorTableEntries = 0;
    DWORD imageSize = 0;
    DWORD pixelDataStart = 0;
};

#endif
