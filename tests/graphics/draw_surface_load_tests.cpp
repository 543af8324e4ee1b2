// Loading real BMP files from disk. Whether the right bytes arrived is seen
// by drawing the picture and reading the pixels back.
#include <gtest/gtest.h>

#include <functional>

#include "bmp_file.h"
#include "dib_canvas.h"
#include "graphics/draw_surface.h"
#include "support/temp_folder.h"

namespace {

class DrawSurfaceLoad : public ::testing::Test {
protected:
    std::string Write(const BmpFile& file) {
        return folder.WriteFile("picture" + std::to_string(++files) + ".bmp", file.Bytes());
    }

    // Every pixel of the surface drawn 1:1 equals PatternColour at bitCount.
    static void ExpectPattern(const CDrawSurface7& surface, int width, int height, WORD bitCount) {
        DibCanvas canvas(width, height);
        const RECT all = {0, 0, width, height};
        ASSERT_TRUE(surface.Draw(canvas.Dc(), all, false));
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                ASSERT_EQ(PatternColour(bitCount, x, y), canvas.Pixel(x, y))
                    << bitCount << " bits per pixel, pixel (" << x << "," << y << ")";
    }

    static void ExpectSolid(const CDrawSurface7& surface, int width, int height, COLORREF colour) {
        const SIZE size = surface.GetSize();
        ASSERT_EQ(width, size.cx);
        ASSERT_EQ(height, size.cy);
        DibCanvas canvas(width, height);
        const RECT all = {0, 0, width, height};
        ASSERT_TRUE(surface.Draw(canvas.Dc(), all, false));
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                ASSERT_EQ(colour, canvas.Pixel(x, y)) << "(" << x << "," << y << ")";
    }

    TempFolder folder;
    int files = 0;
};

class DrawSurfaceDepth : public DrawSurfaceLoad, public ::testing::WithParamInterface<WORD> {};

} // namespace

TEST_P(DrawSurfaceDepth, LoadsEveryPixelOfAnUncompressedFile) {
    const WORD depth = GetParam();
    // 7 pixels wide: rows need padding at every depth.
    CDrawSurface7 surface;
    ASSERT_TRUE(surface.LoadBitmapFile(Write(PatternPicture(7, 3, depth))));
    EXPECT_TRUE(surface.HasImage());
    EXPECT_EQ(7, surface.GetSize().cx);
    EXPECT_EQ(3, surface.GetSize().cy);
    ExpectPattern(surface, 7, 3, depth);
}

TEST_P(DrawSurfaceDepth, LoadsWhenBiSizeImageIsLeftZero) {
    const WORD depth = GetParam();
    BmpFile file = PatternPicture(5, 2, depth);
    file.info.biSizeImage = 0;
    CDrawSurface7 surface;
    ASSERT_TRUE(surface.LoadBitmapFile(Write(file)));
    ExpectPattern(surface, 5, 2, depth);
}

INSTANTIATE_TEST_SUITE_P(AllDepths, DrawSurfaceDepth, ::testing::Values(1, 4, 8, 16, 24, 32));

TEST_F(DrawSurfaceLoad, ShortColourTableWithPixelOffsetZeroReadsPixelsRightAfterIt) {
    // 16 of 256 possible colours: the rows start 14 + 40 + 64 bytes in.
    BmpFile eightBit = PatternPicture(5, 3, 8);
    eightBit.colorTable.resize(16);
    eightBit.info.biClrUsed = 16;
    eightBit.automaticPixelOffset = false;
    eightBit.pixelOffset = 0;
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            ASSERT_LT((x + 3 * y) % 256, 16) << "the pattern must stay inside the short table";
    CDrawSurface7 surface;
    ASSERT_TRUE(surface.LoadBitmapFile(Write(eightBit)));
    ExpectPattern(surface, 5, 3, 8);
}

TEST_F(DrawSurfaceLoad, PixelOffsetSkipsWhatLiesBetweenTableAndRows) {
    BmpFile file = PatternPicture(4, 2, 24);
    const DWORD gap = 10;
    file.automaticPixelOffset = false;
    file.pixelOffset = file.AutomaticPixelOffset() + gap;
    file.pixels = std::string(gap, '\x77') + file.pixels;
    CDrawSurface7 surface;
    ASSERT_TRUE(surface.LoadBitmapFile(Write(file)));
    ExpectPattern(surface, 4, 2, 24);
}

TEST_F(DrawSurfaceLoad, AcceptsTopDownRowsWithAStatedSizeAndMoreImageThanNeeded) {
    BmpFile topDown = PatternPicture(3, 2, 24);
    topDown.info.biHeight = -2;
    CDrawSurface7 surface;
    ASSERT_TRUE(surface.LoadBitmapFile(Write(topDown)));
    EXPECT_EQ(-2, surface.GetSize().cy) << "the height is given as the file states it";

    BmpFile padded = SolidPicture(3, 2, RGB(9, 8, 7));
    padded.info.biSizeImage += 32;
    padded.pixels += std::string(32, '\0');
    ASSERT_TRUE(surface.LoadBitmapFile(Write(padded)));
    ExpectSolid(surface, 3, 2, RGB(9, 8, 7));
}

TEST_F(DrawSurfaceLoad, EmptySurfaceAndMissingFile) {
    CDrawSurface7 surface;
    EXPECT_FALSE(surface.HasImage());
    EXPECT_EQ(0, surface.GetSize().cx);
    EXPECT_EQ(0, surface.GetSize().cy);
    EXPECT_FALSE(surface.LoadBitmapFile(folder.PathOf("missing.bmp")));
    EXPECT_FALSE(surface.HasImage());
}

TEST_F(DrawSurfaceLoad, ASecondPictureReplacesTheFirst) {
    CDrawSurface7 surface;
    ASSERT_TRUE(surface.LoadBitmapFile(Write(SolidPicture(4, 3, RGB(200, 10, 10)))));
    ASSERT_TRUE(surface.LoadBitmapFile(Write(SolidPicture(2, 5, RGB(10, 200, 10)))));
    ExpectSolid(surface, 2, 5, RGB(10, 200, 10));
}

namespace {

// One way to spoil an otherwise good 8-bit 4 x 3 file.
struct Spoiler {
    const char* name;
    std::function<void(BmpFile&)> spoil;
};

void ExtendHeader(BmpFile& file, DWORD size) {
    file.info.biSize = size;
    file.headerExtension = std::string(size - 40, '\0');
}

std::vector<Spoiler> Spoilers() {
    return {
        {"no BM signature", [](BmpFile& f) { f.signature = 0x4142; }},
        {"first reserved field", [](BmpFile& f) { f.reserved1 = 1; }},
        {"second reserved field", [](BmpFile& f) { f.reserved2 = 0x100; }},
        {"12-byte core header", [](BmpFile& f) { f.info.biSize = 12; }},
        {"108-byte header", [](BmpFile& f) { ExtendHeader(f, 108); }},
        {"124-byte header", [](BmpFile& f) { ExtendHeader(f, 124); }},
        {"RLE8", [](BmpFile& f) { f.info.biCompression = BI_RLE8; }},
        {"RLE4", [](BmpFile& f) { f.info.biCompression = BI_RLE4; }},
        {"bit fields", [](BmpFile& f) { f.info.biCompression = BI_BITFIELDS; }},
        {"colour table cut short", [](BmpFile& f) { f.colorTable.resize(100); f.pixels.clear(); }},
        {"pixel data one byte short", [](BmpFile& f) { f.pixels.pop_back(); }},
        {"biSizeImage one byte short of the rows",
         [](BmpFile& f) { f.info.biSizeImage -= 1; f.pixels.pop_back(); }},
        {"biSizeImage larger than the file", [](BmpFile& f) { f.info.biSizeImage = 0x7FFFFFF0; }},
        {"pixel offset past the end",
         [](BmpFile& f) { f.automaticPixelOffset = false; f.pixelOffset = f.AutomaticPixelOffset() + 1; }},
        {"zero width", [](BmpFile& f) { f.info.biWidth = 0; f.info.biSizeImage = 0; }},
        {"negative width", [](BmpFile& f) { f.info.biWidth = -4; }},
        {"zero height", [](BmpFile& f) { f.info.biHeight = 0; f.info.biSizeImage = 0; }},
        {"top-down rows without biSizeImage", [](BmpFile& f) { f.info.biHeight = -3; f.info.biSizeImage = 0; }},
        {"bits x width wraps to a small row",
         [](BmpFile& f) { f.info.biBitCount = 32; f.info.biWidth = 0x08000001; f.info.biSizeImage = 0; }},
        {"row x height wraps to a small image",
         [](BmpFile& f) { f.info.biBitCount = 32; f.info.biWidth = 0x4000; f.info.biHeight = 0x10000;
                          f.info.biSizeImage = 0; }},
        {"colour table size wraps", [](BmpFile& f) { f.info.biClrUsed = 0x40000001; }},
        {"colour table plus image wraps",
         [](BmpFile& f) { f.info.biClrUsed = 0x3FFFFFF0; f.info.biSizeImage = 0x100; }},
        {"unknown depth", [](BmpFile& f) { f.info.biBitCount = 2; }},
    };
}

} // namespace

TEST_F(DrawSurfaceLoad, RejectedFilesLeaveTheLoadedPictureInPlace) {
    const COLORREF first = RGB(30, 60, 90);
    CDrawSurface7 surface;
    ASSERT_TRUE(surface.LoadBitmapFile(Write(SolidPicture(6, 2, first))));

    const BmpFile good = PatternPicture(4, 3, 8);
    {
        CDrawSurface7 control;
        ASSERT_TRUE(control.LoadBitmapFile(Write(good))) << "the unspoilt file must load";
    }
    for (const Spoiler& spoiler : Spoilers()) {
        BmpFile spoilt = good;
        spoiler.spoil(spoilt);
        EXPECT_FALSE(surface.LoadBitmapFile(Write(spoilt))) << spoiler.name;
        ExpectSolid(surface, 6, 2, first);
    }
}

TEST_F(DrawSurfaceLoad, FilesShorterThanTheirHeadersAreRejected) {
    const std::string whole = PatternPicture(4, 3, 8).Bytes();
    // Every cut: inside the file header, the info header, the table, the rows.
    for (size_t length : {size_t(0), size_t(13), size_t(14), size_t(53), size_t(54), size_t(54 + 1023),
                          whole.size() - 1}) {
        CDrawSurface7 surface;
        EXPECT_FALSE(surface.LoadBitmapFile(folder.WriteFile("cut.bmp", whole.substr(0, length))))
            << "cut to " << length << " bytes";
    }
}
