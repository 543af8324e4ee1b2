// Loading real BMP files from disk. Whether the right bytes arrived is seen
// by drawing the picture 1:1 and reading the pixels back.
#include <gtest/gtest.h>

#include <functional>

#include "graphics/draw_surface.h"
#include "support/temp_folder.h"
#include "test_pictures.h"

namespace {

// Pattern(7, 3, 16) as BI_BITFIELDS with the given masks after its header.
Bmp BitFields(DWORD red, DWORD green, DWORD blue)
{
    Bmp bmp = Pattern(7, 3, 16);
    bmp.info.biCompression = BI_BITFIELDS;
    bmp.extension = BytesOf(red) + BytesOf(green) + BytesOf(blue);
    return bmp;
}

class DrawSurfaceLoad : public ::testing::Test {
protected:
    bool Load(CDrawSurface7& surface, const Bmp& bmp)
    {
        return surface.LoadBitmapFile(folder.WriteFile("picture.bmp", bmp.Bytes()));
    }
    // The surface holds Pattern(width, height, bits), every pixel of it.
    static void ExpectPattern(const CDrawSurface7& surface, int width, int height, int bits)
    {
        ASSERT_EQ(width, surface.GetSize().cx);
        ASSERT_EQ(height, surface.GetSize().cy);
        DibCanvas canvas(width, height);
        ASSERT_TRUE(surface.Draw(canvas.Dc(), RECT{0, 0, width, height}, false));
        ExpectCopy(canvas, bits, 0, 0, 0, 0, width, height);
    }
    TempFolder folder;
};

} // namespace

TEST_F(DrawSurfaceLoad, EveryDepthLoadsWithOrWithoutBiSizeImage)
{
    CDrawSurface7 surface;
    EXPECT_FALSE(surface.HasImage());
    EXPECT_FALSE(surface.LoadBitmapFile(folder.PathOf("missing.bmp")));
    EXPECT_FALSE(surface.HasImage());
    for (int bits : {1, 4, 8, 16, 24, 32}) {
        Bmp bmp = Pattern(7, 3, bits); // 7 wide: every depth pads its rows
        ASSERT_TRUE(Load(surface, bmp)) << bits;
        EXPECT_TRUE(surface.HasImage());
        ExpectPattern(surface, 7, 3, bits);
        bmp.info.biSizeImage = 0;
        ASSERT_TRUE(Load(surface, bmp)) << bits << " bits, biSizeImage 0";
        ExpectPattern(surface, 7, 3, bits);
    }
}

TEST_F(DrawSurfaceLoad, OddButValidLayouts)
{
    CDrawSurface7 surface;
    Bmp shortTable =
        Pattern(5, 3, 8); // indices 0..10 only: 16 colours, rows 14 + 40 + 64 in, offset 0
    shortTable.table.resize(16);
    shortTable.info.biClrUsed = 16;
    shortTable.autoOffset = false;
    Bmp gap = Pattern(4, 2, 24);
    gap.autoOffset = false;
    gap.file.bfOffBits = gap.Offset() + 10;
    gap.pixels = std::string(10, '\x77') + gap.pixels;
    Bmp padded = Pattern(3, 2, 24);
    padded.info.biSizeImage += 32;
    padded.pixels += std::string(32, '\0');
    for (const Bmp* bmp : {&shortTable, &gap, &padded}) {
        ASSERT_TRUE(Load(surface, *bmp));
        ExpectPattern(surface, bmp->info.biWidth, bmp->info.biHeight, bmp->info.biBitCount);
    }
    // The 5-5-5 layout of plain 16-bit rows, stated as masks.
    ASSERT_TRUE(Load(surface, BitFields(0x7C00, 0x3E0, 0x1F)));
    ExpectPattern(surface, 7, 3, 16);
    Bmp topDown = Pattern(3, 2, 24);
    topDown.info.biHeight = -2;
    ASSERT_TRUE(Load(surface, topDown));
    EXPECT_EQ(-2, surface.GetSize().cy) << "the height as the file states it";
}

TEST_F(DrawSurfaceLoad, RejectedFilesLeaveTheLoadedPictureInPlace)
{
    const struct {
        const char* name;
        std::function<void(Bmp&)> spoil;
    } spoilers[] = {
        {"no BM signature", [](Bmp& f) { f.file.bfType = 0x4142; }},
        {"first reserved field", [](Bmp& f) { f.file.bfReserved1 = 1; }},
        {"second reserved field", [](Bmp& f) { f.file.bfReserved2 = 0x100; }},
        {"12-byte core header", [](Bmp& f) { f.info.biSize = 12; }},
        {"52-byte header",
         [](Bmp& f) {
             f.info.biSize = 52;
             f.extension.resize(12);
         }},
        {"JPEG inside", [](Bmp& f) { f.info.biCompression = BI_JPEG; }},
        {"PNG inside", [](Bmp& f) { f.info.biCompression = BI_PNG; }},
        {"RLE4 at 8 bits", [](Bmp& f) { f.info.biCompression = BI_RLE4; }},
        {"bit fields at 8 bits", [](Bmp& f) { f.info.biCompression = BI_BITFIELDS; }},
        {"RLE8 stored top-down",
         [](Bmp& f) {
             f.info.biCompression = BI_RLE8;
             f.info.biHeight = -3;
         }},
        {"RLE8 of no stated length",
         [](Bmp& f) {
             f.info.biCompression = BI_RLE8;
             f.info.biSizeImage = 0;
         }},
        {"RLE8 rows 256 times the stream and over 1 MiB",
         [](Bmp& f) {
             f.info.biCompression = BI_RLE8;
             f.info.biWidth = 1 << 20;
         }},
        {"RLE8 longer than the file",
         [](Bmp& f) {
             f.info.biCompression = BI_RLE8;
             f.info.biSizeImage += 1;
         }},
        {"gapped mask", [](Bmp& f) { f = BitFields(0x7C01, 0x3E0, 0x1E); }},
        {"mask beyond 16 bits", [](Bmp& f) { f = BitFields(0x7C00, 0x3E0, 0x1F0000); }},
        {"masks cut short",
         [](Bmp& f) {
             f = BitFields(0x7C00, 0x3E0, 0x1F);
             f.extension.resize(8);
             f.pixels.clear();
         }},
        {"unknown depth", [](Bmp& f) { f.info.biBitCount = 2; }},
        {"colour table cut short",
         [](Bmp& f) {
             f.table.resize(100);
             f.pixels.clear();
         }},
        {"pixel data one byte short", [](Bmp& f) { f.pixels.pop_back(); }},
        {"biSizeImage one byte short of the rows",
         [](Bmp& f) {
             f.info.biSizeImage -= 1;
             f.pixels.pop_back();
         }},
        {"biSizeImage larger than the file", [](Bmp& f) { f.info.biSizeImage = 0x7FFFFFF0; }},
        {"pixel offset past the end",
         [](Bmp& f) {
             f.autoOffset = false;
             f.file.bfOffBits = f.Offset() + 1;
         }},
        {"zero width",
         [](Bmp& f) {
             f.info.biWidth = 0;
             f.info.biSizeImage = 0;
         }},
        {"negative width", [](Bmp& f) { f.info.biWidth = -4; }},
        {"zero height",
         [](Bmp& f) {
             f.info.biHeight = 0;
             f.info.biSizeImage = 0;
         }},
        {"top-down rows without biSizeImage",
         [](Bmp& f) {
             f.info.biHeight = -3;
             f.info.biSizeImage = 0;
         }},
        {"colour table size wraps",
         [](Bmp& f) { f.info.biClrUsed = 0x40000001; }}, // more wraps: the layout tests
        {"colour table beyond the file", [](Bmp& f) { f.info.biClrUsed = 0x00FFFFFF; }},
    };
    CDrawSurface7 surface, control;
    ASSERT_TRUE(Load(surface, Pattern(6, 2, 24)));
    const Bmp good = Pattern(4, 3, 8);
    ASSERT_TRUE(Load(control, good)) << "the unspoilt file loads";
    for (const auto& spoiler : spoilers) {
        Bmp spoilt = good;
        spoiler.spoil(spoilt);
        EXPECT_FALSE(Load(surface, spoilt)) << spoiler.name;
        ExpectPattern(surface, 6, 2, 24);
    }
    // Cut inside the file header, the info header, the table, the rows.
    const std::string whole = good.Bytes();
    for (size_t length : {size_t(0), size_t(13), size_t(14), size_t(53), size_t(54), size_t(1077),
                          whole.size() - 1})
        EXPECT_FALSE(control.LoadBitmapFile(folder.WriteFile("cut.bmp", whole.substr(0, length))))
            << length;
}
