#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>

// Where the parts of a BMP file lie and how large the in-memory image block
// must be, worked out from the headers alone and checked against the file's
// size before anything is allocated. The file is untrusted: a layout is only
// made for one plane of a depth that GDI draws, when every size fits in 32
// bits, the pixel rows that GDI will read for the stated width and height
// are all there, and the file is long enough to supply the colour table and
// the pixel data that it announces.
//
// The block always holds what every GDI since Windows 95 draws: a 40-byte
// header with BI_RGB, the colour table up to 8 bits per pixel, plain rows.
// Files may come with 40-, 108- or 124-byte info headers (the extra colour
// space data is ignored), with bit fields at 16 or 32 bits per pixel (made
// 24- or 32-bit rows) or with RLE8 or RLE4 streams (expanded); room for the
// compressed stream then follows the rows until it has been expanded. As
// a stream's rows are not in the file, they may come to at most 256 times
// the stream's size (or 1 MiB, for nearly blank pictures).
class BitmapLayout {
public:
    static constexpr DWORD kFileHeaderSize = 14;
    static constexpr DWORD kInfoHeaderSize = 40;
    static constexpr DWORD kV4HeaderSize = 108;
    static constexpr DWORD kV5HeaderSize = 124;
    // The red, green and blue masks of bit-field pixels: right after a
    // 40-byte header, and the same 12 bytes inside a longer one.
    static constexpr DWORD kMasksSize = 12;

    // Checks the 14-byte file header ("BM", reserved fields 0) and gives the
    // pixel-data offset it names; the file size field is not trusted.
    static bool ReadFileHeader(const BYTE (&bytes)[kFileHeaderSize], DWORD& pixelOffset);

    // Number of RGBQUADs that follow the info header: biClrUsed when set,
    // else 2, 16 or 256 for 1, 4 and 8 bits per pixel, else 0.
    static DWORD ColorTableEntries(const BITMAPINFOHEADER& header);

    // Bytes in one pixel row, padded to a multiple of four.
    static std::uint64_t RowSize(WORD bitCount, LONG width);

    // Plans the image block for an info header (its first 40 bytes, biSize
    // telling its real size) read from a file of fileSize bytes whose file
    // header named pixelOffset (0: rows follow the colour table). False for
    // anything the surface does not draw safely.
    static bool Plan(const BITMAPINFOHEADER& header, DWORD pixelOffset, std::uint64_t fileSize,
                     BitmapLayout& layout);

    // The 40-byte BI_RGB header that the block starts with.
    BITMAPINFOHEADER BlockHeader(const BITMAPINFOHEADER& fileHeader) const;

    DWORD ColorTableEntries() const { return colorTableEntries; }
    // biSizeImage as the block holds it (computed when the file left it 0).
    DWORD ImageSize() const { return imageSize; }
    // File offsets of the colour table and of the first pixel row.
    DWORD ColorTableStart() const { return colorTableStart; }
    DWORD PixelDataStart() const { return pixelDataStart; }
    // Bytes of pixel data read from the file: the rows as stored, or the
    // compressed stream.
    DWORD StoredSize() const { return storedSize; }
    // Room after the rows for a compressed stream until it is expanded.
    DWORD ScratchSize() const { return scratchSize; }
    WORD BlockBitCount() const { return blockBitCount; }
    // Info header + colour table + pixel rows (+ scratch).
    std::size_t BlockSize() const;

private:
    DWORD colorTableEntries = 0;
    DWORD imageSize = 0;
    DWORD colorTableStart = 0;
    DWORD pixelDataStart = 0;
    DWORD storedSize = 0;
    DWORD scratchSize = 0;
    WORD blockBitCount = 0;
};
