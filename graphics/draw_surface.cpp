#include "graphics/draw_surface.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "graphics/bit_field_converter.h"
#include "graphics/bitmap_layout.h"
#include "graphics/image_palette.h"
#include "graphics/rle_decoder.h"

static_assert(sizeof(BITMAPINFOHEADER) == BitmapLayout::kInfoHeaderSize,
              "the block starts with the file's info header");

namespace {

bool ReadExactly(HANDLE file, void* buffer, DWORD size)
{
    DWORD read = 0;
    return ReadFile(file, buffer, size, &read, nullptr) && read == size;
}

bool FileSize(HANDLE file, std::uint64_t& size)
{
    DWORD high = 0;
    const DWORD low = GetFileSize(file, &high);
    if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR)
        return false;
    size = (std::uint64_t(high) << 32) | low;
    return true;
}

bool SeekTo(HANDLE file, DWORD offset)
{
    LONG high = 0;
    SetLastError(NO_ERROR);
    const DWORD low = SetFilePointer(file, static_cast<LONG>(offset), &high, FILE_BEGIN);
    return !(low == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR);
}

// GDI takes a top-down DIB's source rectangles in its own top-down terms,
// and refuses the negative source height that a stretch of the whole
// picture would pass. The block therefore always holds the rows bottom-up,
// so that one set of drawing calls serves pictures stored either way.
void StoreRowsBottomUp(BITMAPINFOHEADER& header, BYTE* rows)
{
    const std::size_t rowSize =
        static_cast<std::size_t>(BitmapLayout::RowSize(header.biBitCount, header.biWidth));
    const LONG height = -header.biHeight;
    for (LONG top = 0, bottom = height - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(rows + top * rowSize, rows + (top + 1) * rowSize, rows + bottom * rowSize);
    header.biHeight = height;
}

// Gives the room the compressed stream took back once it has been expanded;
// a block that cannot shrink is kept as it is.
template <typename Block>
void ShrinkToImage(Block& block, std::size_t size)
{
    if (BYTE* const smaller = static_cast<BYTE*>(std::realloc(block.get(), size))) {
        block.release();
        block.reset(smaller);
    }
}

int WidthOf(const RECT& rect)
{
    return rect.right - rect.left;
}

int HeightOf(const RECT& rect)
{
    return rect.bottom - rect.top;
}

} // namespace

void CDrawSurface7::BlockDeleter::operator()(BYTE* block) const
{
    std::free(block);
}

CDrawSurface7::CDrawSurface7() : pixels(nullptr), palette(nullptr), topDown(false) {}

CDrawSurface7::~CDrawSurface7()
{
    DeletePalette();
}

bool CDrawSurface7::LoadBitmapFile(const std::string& path)
{
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool storedTopDown = false;
    ImageBlock loaded = ReadImageBlock(file, storedTopDown);
    CloseHandle(file);
    if (!loaded)
        return false;

    const DWORD entries =
        BitmapLayout::ColorTableEntries(*reinterpret_cast<const BITMAPINFOHEADER*>(loaded.get()));
    BYTE* const colorTable = loaded.get() + BitmapLayout::kInfoHeaderSize;
    const HPALETTE newPalette =
        CreateImagePalette(reinterpret_cast<const RGBQUAD*>(colorTable), entries);

    // The old picture goes only now that the new one is complete.
    DeletePalette();
    palette = newPalette;
    pixels = colorTable + std::size_t(entries) * sizeof(RGBQUAD);
    block = std::move(loaded);
    topDown = storedTopDown;
    return true;
}

CDrawSurface7::ImageBlock CDrawSurface7::ReadImageBlock(HANDLE file, bool& storedTopDown)
{
    BYTE fileHeader[BitmapLayout::kFileHeaderSize];
    DWORD pixelOffset = 0;
    if (!ReadExactly(file, fileHeader, sizeof fileHeader) ||
        !BitmapLayout::ReadFileHeader(fileHeader, pixelOffset))
        return nullptr;

    // Longer headers begin with the same 40 bytes; bit-field masks are the
    // next 12 bytes after them either way.
    BITMAPINFOHEADER header;
    DWORD masks[3] = {};
    std::uint64_t fileSize = 0;
    BitmapLayout layout;
    if (!ReadExactly(file, &header, sizeof header) ||
        (header.biCompression == BI_BITFIELDS &&
         (!ReadExactly(file, masks, sizeof masks) ||
          !BitFieldConverter::Accepts(masks, header.biBitCount))) ||
        !FileSize(file, fileSize) || !BitmapLayout::Plan(header, pixelOffset, fileSize, layout))
        return nullptr;

    // Allocated only now that the file is known to hold all of it.
    ImageBlock loaded(static_cast<BYTE*>(std::malloc(layout.BlockSize())));
    if (!loaded)
        return nullptr;
    const BITMAPINFOHEADER blockHeader = layout.BlockHeader(header);
    std::memcpy(loaded.get(), &blockHeader, sizeof blockHeader);

    BYTE* const colorTable = loaded.get() + sizeof blockHeader;
    const DWORD tableBytes = layout.ColorTableEntries() * sizeof(RGBQUAD);
    BYTE* const rows = colorTable + tableBytes;
    BYTE* const stored = layout.ScratchSize() != 0 ? rows + layout.ImageSize() : rows;
    if (!SeekTo(file, layout.ColorTableStart()) || !ReadExactly(file, colorTable, tableBytes) ||
        !SeekTo(file, layout.PixelDataStart()) || !ReadExactly(file, stored, layout.StoredSize()))
        return nullptr;

    const LONG width = header.biWidth, height = std::abs(header.biHeight);
    const std::size_t blockRowSize =
        static_cast<std::size_t>(BitmapLayout::RowSize(layout.BlockBitCount(), width));
    if (header.biCompression == BI_RLE8 || header.biCompression == BI_RLE4) {
        // Pixels the stream leaves out show the colour table's first colour.
        std::memset(rows, 0, layout.ImageSize());
        RleDecoder::Decode(stored, layout.StoredSize(), header.biBitCount, width, height, rows,
                           blockRowSize);
        ShrinkToImage(loaded, layout.BlockSize() - layout.ScratchSize());
    } else if (header.biCompression == BI_BITFIELDS) {
        BitFieldConverter(masks, header.biBitCount)
            .Convert(rows, width, height,
                     static_cast<std::size_t>(BitmapLayout::RowSize(header.biBitCount, width)),
                     blockRowSize);
    }
    storedTopDown = header.biHeight < 0;
    if (storedTopDown)
        StoreRowsBottomUp(*reinterpret_cast<BITMAPINFOHEADER*>(loaded.get()), rows);
    return loaded;
}

SIZE CDrawSurface7::GetSize() const
{
    SIZE size = {0, 0};
    if (HasImage()) {
        size.cx = Header().biWidth;
        size.cy = topDown ? -Header().biHeight : Header().biHeight;
    }
    return size;
}

bool CDrawSurface7::Draw(HDC dc, const RECT& dest, bool forceBackground) const
{
    if (!PrepareTarget(dc, forceBackground))
        return false;
    const BITMAPINFOHEADER& header = Header();
    const int width = WidthOf(dest);
    const int height = HeightOf(dest);
    if (width <= header.biWidth && height <= header.biHeight) {
        // DIB coordinates start at the bottom-left: this shows the picture's
        // left columns and bottom rows.
        return SetDIBitsToDevice(dc, dest.left, dest.top, width, height, 0, 0, 0, height, pixels,
                                 Info(), DIB_RGB_COLORS) != 0;
    }
    return StretchDIBits(dc, dest.left, dest.top, width, height, 0, 0, header.biWidth,
                         header.biHeight, pixels, Info(), DIB_RGB_COLORS, SRCCOPY) != 0;
}

bool CDrawSurface7::DrawPart(HDC dc, const RECT& source, bool forceBackground) const
{
    if (!PrepareTarget(dc, forceBackground))
        return false;
    const int width = WidthOf(source);
    const int height = HeightOf(source);
    return StretchDIBits(dc, 0, 0, width, height, source.left, Header().biHeight - source.bottom,
                         width, height, pixels, Info(), DIB_RGB_COLORS, SRCCOPY) != 0;
}

bool CDrawSurface7::DrawPartTo(HDC dc, const RECT& dest, const RECT& source,
                               bool forceBackground) const
{
    if (!PrepareTarget(dc, forceBackground))
        return false;
    return StretchDIBits(dc, dest.left, dest.top, WidthOf(dest), HeightOf(dest), source.left,
                         Header().biHeight - source.bottom, WidthOf(source), HeightOf(source),
                         pixels, Info(), DIB_RGB_COLORS, SRCCOPY) != 0;
}

bool CDrawSurface7::DrawUnder(HDC dc, const RECT& dest, const RECT& client, const RECT& area,
                              bool forceBackground) const
{
    if (!PrepareTarget(dc, forceBackground))
        return false;
    const BITMAPINFOHEADER& header = Header();
    if (WidthOf(client) <= header.biWidth && HeightOf(client) <= header.biHeight) {
        // Draw puts the picture's bottom-left corner at the client's: the
        // client's bottom edge is DIB row 0, and area is copied 1:1 from there.
        return StretchDIBits(dc, dest.left, dest.top, WidthOf(dest), HeightOf(dest),
                             area.left - client.left, client.bottom - area.bottom, WidthOf(dest),
                             HeightOf(dest), pixels, Info(), DIB_RGB_COLORS, SRCCOPY) != 0;
    }
    // Stretched, the pixels under area depend on the whole stretch: the whole
    // picture is stretched as Draw does, shifted and clipped to dest.
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, dest.left, dest.top, dest.right, dest.bottom);
    RECT shifted = client;
    OffsetRect(&shifted, dest.left - area.left, dest.top - area.top);
    const bool drawn = Draw(dc, shifted, forceBackground);
    RestoreDC(dc, saved);
    return drawn;
}

HPALETTE CDrawSurface7::CreateImagePalette(const RGBQUAD* colorTable, DWORD count)
{
    const PaletteEntries entries = ChooseImagePalette(ReadScreenPaletteFacts(), colorTable, count);
    struct {
        WORD palVersion;
        WORD palNumEntries;
        PALETTEENTRY palPalEntry[256];
    } logical;
    logical.palVersion = 0x300;
    logical.palNumEntries = static_cast<WORD>(entries.size());
    std::memcpy(logical.palPalEntry, entries.data(), sizeof logical.palPalEntry);
    return CreatePalette(reinterpret_cast<const LOGPALETTE*>(&logical));
}

const BITMAPINFOHEADER& CDrawSurface7::Header() const
{
    return *reinterpret_cast<const BITMAPINFOHEADER*>(block.get());
}

const BITMAPINFO* CDrawSurface7::Info() const
{
    return reinterpret_cast<const BITMAPINFO*>(block.get());
}

bool CDrawSurface7::PrepareTarget(HDC dc, bool forceBackground) const
{
    if (!HasImage())
        return false;
    // The previous palette is not selected back: the dialog paints with the
    // picture's palette realised for as long as it shows the picture. Only a
    // palette device draws through it: elsewhere selecting it changes no
    // pixel, and under Wine it asks the server which window is in the
    // foreground, for every part of the picture that a control draws.
    if (palette != nullptr && (GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) != 0) {
        SelectPalette(dc, palette, forceBackground ? TRUE : FALSE);
        RealizePalette(dc);
    }
    return true;
}

void CDrawSurface7::DeletePalette()
{
    if (palette != nullptr)
        DeleteObject(palette);
    palette = nullptr;
}
