// The picture loader on untrusted files: its size arithmetic without files,
// the layouts that drawing programs write, drawn as GDI draws the file's own
// bytes from a 40-byte BI_RGB block, and the files it must refuse while
// keeping the picture it shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <utility>

#include "graphics/bitmap_layout.h"
#include "graphics/draw_surface.h"
#include "graphics/rle_decoder.h"
#include "support/bitmap_file.h"
#include "support/menu_process.h"
#include "support/temp_folder.h"

namespace {

constexpr std::uint64_t kHuge = std::uint64_t(1) << 40;

BITMAPINFOHEADER Header(LONG width, LONG height, WORD bits, DWORD sizeImage = 0, DWORD clrUsed = 0)
{
    return BITMAPINFOHEADER{40, width, height, 1, bits, BI_RGB, sizeImage, 0, 0, clrUsed, 0};
}

std::string ReadPicture(const std::string& name)
{
    std::ifstream file(HostPath(std::string(PICTURES_DIR) + "/" + name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// Pattern(7, 3, 16) as BI_BITFIELDS with the 5-5-5 masks of plain 16-bit rows.
Bmp BitFields()
{
    Bmp bmp = Pattern(7, 3, 16);
    bmp.info.biCompression = BI_BITFIELDS;
    bmp.extension = BytesOf(DWORD(0x7C00)) + BytesOf(DWORD(0x3E0)) + BytesOf(DWORD(0x1F));
    return bmp;
}

std::vector<DWORD> Drawn(const CDrawSurface7& surface, int width, int height)
{
    return Render(width, height, [&](HDC dc) {
        return surface.Draw(dc, RECT{0, 0, width, height}, false);
    });
}

} // namespace

TEST(BitmapLayoutPlan, PlansWhatTheFileHoldsAndNothingThatWraps)
{
    BitmapLayout layout; // 3 x 2 at 8 bits: rows of 4 bytes, 256 colours, biSizeImage computed
    ASSERT_TRUE(BitmapLayout::Plan(Header(3, 2, 8), 0, 54 + 1024 + 8, layout));
    EXPECT_EQ((std::vector<std::uint64_t>{256, 8, 54 + 1024, 40 + 1024 + 8}),
              (std::vector<std::uint64_t>{layout.ColorTableEntries(), layout.ImageSize(),
                                          layout.PixelDataStart(), layout.BlockSize()}));
    const struct {
        const char* name;
        BITMAPINFOHEADER header;
        std::uint64_t fileSize;
        DWORD pixelOffset;
        bool plans;
    } cases[] = {
        {"pixel offset moves the end", Header(3, 2, 8), 54 + 1024 + 108, 54 + 1024 + 100, true},
        {"pixel offset one byte too far", Header(3, 2, 8), 54 + 1024 + 107, 54 + 1024 + 100, false},
        {"stated size covers every row", Header(5, 4, 24, 64), kHuge, 0, true},
        {"stated size one byte short of the rows", Header(5, 4, 24, 63), kHuge, 0, false},
        {"top-down with a stated size", Header(5, -4, 24, 64), kHuge, 0, true},
        {"top-down: |height| rows are read", Header(5, -4, 24, 63), kHuge, 0, false},
        {"32 x 0x08000000 bits is 2^32", Header(0x08000000, 1, 32), kHuge, 0, false},
        {"just below the row wrap", Header(0x07FFFFFF, 1, 32), kHuge, 0, true},
        {"65536 rows of 65536 bytes", Header(0x4000, 0x10000, 32), kHuge, 0, false},
        {"the same top-down", Header(0x4000, -0x10000, 32, 0xFFFFFFFF), kHuge, 0, false},
        {"colour table of 2^32 + 4 bytes", Header(1, 1, 24, 0, 0x40000001), kHuge, 0, false},
        {"table plus image wraps", Header(1, 1, 8, 0x100, 0x3FFFFFF0), kHuge, 0, false},
        {"table larger than the file", Header(4, 4, 24, 0, 0x00FFFFFF), 4096, 0, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.plans, BitmapLayout::Plan(c.header, c.pixelOffset, c.fileSize, layout))
            << c.name;
}

// Every depth, the odd layouts that are still valid, and small pictures as
// ImageMagick and GIMP write them (V4/V5 headers, bit fields, top-down, RLE).
TEST(PictureLoading, EveryLayoutIsDrawnAsGdiDrawsTheFileFromA40ByteRgbBlock)
{
    std::vector<std::pair<std::string, std::string>> files;
    for (int bits : {1, 4, 8, 16, 24, 32}) { // 7 wide: every depth pads its rows
        Bmp bmp = Pattern(7, 3, bits);
        files.emplace_back(std::to_string(bits) + " bits", bmp.Bytes());
        bmp.info.biSizeImage = 0;
        files.emplace_back(std::to_string(bits) + " bits, biSizeImage 0", bmp.Bytes());
    }
    Bmp shortTable = Pattern(5, 3, 8); // indices 0..10 only: 16 colours, offset 0
    shortTable.table.resize(16);
    shortTable.info.biClrUsed = 16;
    shortTable.autoOffset = false;
    Bmp gap = Pattern(4, 2, 24);
    gap.autoOffset = false;
    gap.file.bfOffBits = gap.Offset() + 10;
    gap.pixels.insert(0, 10, '\x77');
    Bmp padded = Pattern(3, 2, 24);
    padded.info.biSizeImage += 32;
    padded.pixels += std::string(32, '\0');
    Bmp topDown = Pattern(3, 2, 24);
    topDown.info.biHeight = -2;
    for (const auto& odd :
         {std::make_pair("16-colour table", shortTable), std::make_pair("gap", gap),
          std::make_pair("padded", padded), std::make_pair("top-down", topDown),
          std::make_pair("5-5-5", BitFields())})
        files.emplace_back(odd.first, odd.second.Bytes());
    for (const char* name :
         {"v4-header-24.bmp", "v5-header-24.bmp", "v5-bit-fields-32.bmp", "v5-bit-fields-565.bmp",
          "bit-fields-10-10-10-top-down.bmp", "rle8.bmp", "rle4-delta-early-end.bmp"})
        files.emplace_back(name, ReadPicture(name));
    TempFolder folder;
    for (const auto& file : files) {
        SCOPED_TRACE(file.first);
        FileDib dib;
        ASSERT_EQ("", ReadFileDib(file.second, dib));
        CDrawSurface7 surface;
        ASSERT_TRUE(surface.LoadBitmapFile(folder.WriteFile("picture.bmp", file.second)));
        const LONG width = FieldAt<LONG>(file.second, 18), height = FieldAt<LONG>(file.second, 22);
        EXPECT_EQ(width, surface.GetSize().cx);
        EXPECT_EQ(height, surface.GetSize().cy) << "the height as the file states it";
        EXPECT_EQ(40u, surface.Header().biSize);
        EXPECT_EQ(DWORD(BI_RGB), surface.Header().biCompression);
        const std::vector<DWORD> gdi = DrawFileDib(dib, width, std::abs(height));
        ASSERT_FALSE(gdi.empty()) << "GDI draws the file";
        EXPECT_NE(std::count(gdi.begin(), gdi.end(), gdi[0]), std::ptrdiff_t(gdi.size()))
            << "a picture, not a fill";
        EXPECT_EQ(gdi, Drawn(surface, width, std::abs(height)));
    }
}

TEST(PictureLoading, RejectedFilesLeaveTheLoadedPictureInPlace)
{
    const struct {
        const char* name;
        bool bitFields;                            // spoil BitFields(), else Pattern(4, 3, 8)
        std::vector<std::pair<int, DWORD>> fields; // file offset, value (WORD fields by offset)
        int cut;                                   // bytes taken off the end
    } spoilers[] = {
        // clang-format off
        {"no BM signature", false, {{0, 0x4142}}, 0}, {"first reserved field", false, {{6, 1}}, 0},
        {"second reserved field", false, {{8, 0x100}}, 0},
        {"12-byte core header", false, {{14, 12}}, 0}, {"52-byte header", false, {{14, 52}}, 0},
        {"JPEG inside", false, {{30, BI_JPEG}}, 0}, {"PNG inside", false, {{30, BI_PNG}}, 0},
        {"RLE4 at 8 bits", false, {{30, BI_RLE4}}, 0},
        {"bit fields at 8 bits", false, {{30, BI_BITFIELDS}}, 0},
        {"RLE8 stored top-down", false, {{30, BI_RLE8}, {22, DWORD(-3)}}, 0},
        {"RLE8 of no stated length", false, {{30, BI_RLE8}, {34, 0}}, 0},
        {"RLE8 rows 256 times the stream and over 1 MiB", false, {{30, BI_RLE8}, {18, 1 << 20}}, 0},
        {"RLE8 longer than the file", false, {{30, BI_RLE8}, {34, 13}}, 0},
        {"gapped mask", true, {{54, 0x7C01}}, 0},
        {"mask beyond 16 bits", true, {{62, 0x1F0000}}, 0}, {"masks cut short", true, {}, 4 + 48},
        {"unknown depth", false, {{28, 2}}, 0}, {"colour table cut short", false, {}, 12 + 600},
        {"pixel data one byte short", false, {}, 1},
        {"biSizeImage larger than the file", false, {{34, 0x7FFFFFF0}}, 0},
        {"zero width", false, {{18, 0}, {34, 0}}, 0},
        {"negative width", false, {{18, DWORD(-4)}}, 0},
        {"zero height", false, {{22, 0}, {34, 0}}, 0},
        {"top-down rows without biSizeImage", false, {{22, DWORD(-3)}, {34, 0}}, 0},
        {"cut inside the file header", false, {}, 4 * 3 + 1024 + 41},
        {"cut inside the info header", false, {}, 4 * 3 + 1024 + 1},
        // clang-format on
    };
    TempFolder folder;
    const std::string shown = Pattern(6, 2, 24).Bytes();
    CDrawSurface7 surface;
    ASSERT_TRUE(surface.LoadBitmapFile(folder.WriteFile("shown.bmp", shown)));
    const std::vector<DWORD> before = Drawn(surface, 6, 2);
    for (const auto& spoiler : spoilers) {
        std::string bytes = (spoiler.bitFields ? BitFields() : Pattern(4, 3, 8)).Bytes();
        for (const auto& field : spoiler.fields) {
            const bool word = field.first == 0 || field.first == 6 || field.first == 8 ||
                              field.first == 26 || field.first == 28;
            bytes.replace(field.first, word ? 2 : 4, BytesOf(field.second), 0, word ? 2 : 4);
        }
        bytes.resize(bytes.size() - spoiler.cut);
        EXPECT_FALSE(surface.LoadBitmapFile(folder.WriteFile("spoilt.bmp", bytes))) << spoiler.name;
        EXPECT_EQ(6, surface.GetSize().cx) << spoiler.name;
        EXPECT_EQ(before, Drawn(surface, 6, 2)) << spoiler.name;
    }
    CDrawSurface7 never;
    EXPECT_FALSE(never.LoadBitmapFile(folder.PathOf("missing.bmp")));
    EXPECT_FALSE(never.HasImage());
}

TEST(RleDecoder, CutsAtTheRowAndEndsWhereTheStreamLeavesTheImage)
{
    using End = RleDecoder::End;
    const struct {
        const char* name;
        std::vector<BYTE> stream;
        WORD bits;              // 8: 4 pixels a row; 4: 6 pixels a row
        std::vector<BYTE> rows; // two rows of 4 bytes, bottom first
        End end;
    } cases[] = {
        // clang-format off
        {"runs, end of line, end of bitmap",
         {2, 5, 2, 6, 0, 0, 4, 7, 0, 1}, 8, {5, 5, 6, 6, 7, 7, 7, 7}, End::EndOfBitmap},
        {"run past the row: cut at its end",
         {3, 7, 2, 9, 0, 0, 4, 1}, 8, {7, 7, 7, 9, 1, 1, 1, 1}, End::StreamEnded},
        {"literal past the row",
         {0, 3, 1, 2, 3, 0, 0, 3, 4, 5, 6, 0}, 8, {1, 2, 3, 4, 0, 0, 0, 0}, End::StreamEnded},
        {"delta past the row stops at its end",
         {1, 5, 0, 2, 4, 0, 1, 7, 0, 0, 1, 6}, 8, {5, 0, 0, 0, 6, 0, 0, 0}, End::StreamEnded},
        {"delta past the image",
         {1, 5, 0, 2, 0, 2, 1, 6}, 8, {5, 0, 0, 0, 0, 0, 0, 0}, End::OutOfBounds},
        {"delta within: skipped pixels stay",
         {0, 2, 1, 1, 2, 8, 0, 1}, 8, {0, 0, 0, 0, 0, 8, 8, 0}, End::EndOfBitmap},
        {"end of line after the last row",
         {4, 1, 0, 0, 4, 2, 0, 0, 4, 3}, 8, {1, 1, 1, 1, 2, 2, 2, 2}, End::EndOfBitmap},
        {"missing end of bitmap", {2, 6}, 8, {6, 6, 0, 0, 0, 0, 0, 0}, End::StreamEnded},
        {"literal cut by the stream's end",
         {1, 3, 0, 4, 1, 2}, 8, {3, 0, 0, 0, 0, 0, 0, 0}, End::StreamEnded},
        {"delta cut by the stream's end",
         {1, 3, 0, 2, 1}, 8, {3, 0, 0, 0, 0, 0, 0, 0}, End::StreamEnded},
        {"nibble run and odd literal",
         {3, 0x12, 0, 3, 0x34, 0x50, 0, 1}, 4, {0x12, 0x13, 0x45, 0, 0, 0, 0, 0}, End::EndOfBitmap},
        {"nibble run past the row",
         {5, 0x12, 2, 0x34}, 4, {0x12, 0x12, 0x13, 0, 0, 0, 0, 0}, End::StreamEnded},
        // clang-format on
    };
    for (const auto& c : cases) {
        std::vector<BYTE> rows(8, 0);
        EXPECT_EQ(c.end, RleDecoder::Decode(c.stream.data(), c.stream.size(), c.bits,
                                            c.bits == 8 ? 4 : 6, 2, rows.data(), 4))
            << c.name;
        EXPECT_EQ(c.rows, rows) << c.name;
    }
}
