// The picture loader on untrusted files: its size arithmetic without files,
// the layouts that drawing programs write, drawn as GDI draws the file's own
// bytes from a 40-byte BI_RGB block, and the files it must refuse while
// keeping the picture it shows.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "graphics/bitmap_layout.h"
#include "graphics/draw_surface.h"
#include "graphics/rle_decoder.h"
#include "support/bitmap_file.h"
#include "support/temp_folder.h"
#include "table_rows.h"

namespace {

BITMAPINFOHEADER Header(LONG width, LONG height, WORD bits, DWORD sizeImage = 0, DWORD clrUsed = 0)
{
    return BITMAPINFOHEADER{40, width, height, 1, bits, BI_RGB, sizeImage, 0, 0, clrUsed, 0};
}

// The file a row of valid-layouts.txt or rejected-files.txt describes.
std::string Built(const TableRow& row)
{
    if (row.size() == 1)
        return FileBytes(GRAPHICS_DIR "/pictures/" + row[0]);
    const auto pattern = Numbers<int>(row[1]);
    const auto splice = Numbers<std::size_t>(row[2]), fields = Numbers<std::size_t>(row[3]);
    std::string bytes = Pattern(pattern[0], pattern[1], pattern[2]).Bytes();
    if (!splice.empty())
        bytes.replace(splice[0], splice[1], splice[2], '\x77');
    for (std::size_t i = 0; i + 1 < fields.size(); i += 2) {
        const std::size_t at = fields[i],
                          size = at == 0 || at == 6 || at == 8 || at == 26 || at == 28 ? 2 : 4;
        bytes.replace(at, size, BytesOf(DWORD(fields[i + 1])), 0, size);
    }
    return bytes.substr(0, bytes.size() - std::stoul(row[4]));
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
    for (const TableRow& row : TableRows(GRAPHICS_DIR "/data/layout-plans.txt")) {
        const auto h = Numbers<DWORD>(row[1]);
        EXPECT_EQ(Numbers<int>(row[4])[0] == 1,
                  BitmapLayout::Plan(Header(LONG(h[0]), LONG(h[1]), WORD(h[2]), h[3], h[4]),
                                     std::stoul(row[3]), std::stoull(row[2]), layout))
            << row[0];
    }
}

TEST(PictureLoading, EveryLayoutIsDrawnAsGdiDrawsTheFileFromA40ByteRgbBlock)
{
    TempFolder folder;
    for (const TableRow& row : TableRows(GRAPHICS_DIR "/data/valid-layouts.txt")) {
        SCOPED_TRACE(row[0]);
        const std::string bytes = Built(row);
        FileDib dib;
        ASSERT_EQ("", ReadFileDib(bytes, dib));
        CDrawSurface7 surface;
        ASSERT_TRUE(surface.LoadBitmapFile(folder.WriteFile("picture.bmp", bytes)));
        const LONG width = FieldAt<LONG>(bytes, 18), height = FieldAt<LONG>(bytes, 22);
        // The height as the file states it, and a block that every GDI draws.
        EXPECT_EQ((std::vector<LONG>{width, height, 40, BI_RGB}),
                  (std::vector<LONG>{surface.GetSize().cx, surface.GetSize().cy,
                                     LONG(surface.Header().biSize),
                                     LONG(surface.Header().biCompression)}));
        const std::vector<DWORD> gdi = DrawFileDib(dib, width, std::abs(height));
        ASSERT_GT(std::set<DWORD>(gdi.begin(), gdi.end()).size(), 1u) << "GDI draws a picture";
        EXPECT_EQ(gdi, Drawn(surface, width, std::abs(height)));
    }
}

TEST(PictureLoading, RejectedFilesLeaveTheLoadedPictureInPlace)
{
    TempFolder folder;
    CDrawSurface7 surface;
    ASSERT_TRUE(surface.LoadBitmapFile(folder.WriteFile("shown.bmp", Pattern(6, 2, 24).Bytes())));
    const std::vector<DWORD> before = Drawn(surface, 6, 2);
    for (const TableRow& row : TableRows(GRAPHICS_DIR "/data/rejected-files.txt")) {
        EXPECT_FALSE(surface.LoadBitmapFile(folder.WriteFile("spoilt.bmp", Built(row)))) << row[0];
        EXPECT_EQ(6, surface.GetSize().cx) << row[0];
        EXPECT_EQ(before, Drawn(surface, 6, 2)) << row[0];
    }
}

TEST(RleDecoder, CutsAtTheRowAndEndsWhereTheStreamLeavesTheImage)
{
    for (const TableRow& row : TableRows(GRAPHICS_DIR "/data/rle-cases.txt")) {
        const auto stream = Numbers<BYTE>(row[1]);
        const WORD bits = WORD(std::stoul(row[2]));
        std::vector<BYTE> rows(8, 0);
        EXPECT_EQ(RleDecoder::End(std::stoi(row[4])),
                  RleDecoder::Decode(stream.data(), stream.size(), bits, bits == 8 ? 4 : 6, 2,
                                     rows.data(), 4))
            << row[0];
        EXPECT_EQ(Numbers<BYTE>(row[3]), rows) << row[0];
    }
}
