// Drawing a loaded picture into a 32-bit DIB section, checked pixel by pixel,
// including the pixels that must stay untouched around the destination.
#include <gtest/gtest.h>

#include "bmp_file.h"
#include "dib_canvas.h"
#include "graphics/draw_surface.h"
#include "support/temp_folder.h"

namespace {

constexpr int kWidth = 5;
constexpr int kHeight = 4;

COLORREF Picture(int x, int y) {
    return PatternColour(24, x, y);
}

class DrawSurfaceDraw : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(surface.LoadBitmapFile(folder.WriteFile("p.bmp", PatternPicture(kWidth, kHeight, 24).Bytes())));
    }

    // The column of the picture that a canvas pixel shows within a row, or -1.
    static int PictureColumn(COLORREF colour, int pictureRow) {
        for (int x = 0; x < kWidth; ++x)
            if (Picture(x, pictureRow) == colour)
                return x;
        return -1;
    }

    TempFolder folder;
    CDrawSurface7 surface;
};

} // namespace

TEST_F(DrawSurfaceDraw, DestinationOfThePictureSizeCopiesOneToOne) {
    DibCanvas canvas(9, 8);
    const RECT dest = {2, 3, 2 + kWidth, 3 + kHeight};
    ASSERT_TRUE(surface.Draw(canvas.Dc(), dest, false));
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            ASSERT_EQ(Picture(x, y), canvas.Pixel(2 + x, 3 + y)) << "(" << x << "," << y << ")";
    EXPECT_EQ("", canvas.TouchedOutside(dest));
}

TEST_F(DrawSurfaceDraw, DestinationOnePixelWiderStretchesTheWholePicture) {
    DibCanvas canvas(kWidth + 3, kHeight + 2);
    const RECT dest = {1, 1, 1 + kWidth + 1, 1 + kHeight};
    ASSERT_TRUE(surface.Draw(canvas.Dc(), dest, false));
    for (int y = 0; y < kHeight; ++y) {
        // Every picture column appears, in order, one of them twice.
        int previous = 0;
        for (int x = 0; x < kWidth + 1; ++x) {
            const int column = PictureColumn(canvas.Pixel(1 + x, 1 + y), y);
            ASSERT_NE(-1, column) << "canvas (" << 1 + x << "," << 1 + y << ") is not from picture row " << y;
            ASSERT_TRUE(column == previous || column == previous + 1) << "column " << column << " after " << previous;
            previous = column;
        }
        EXPECT_EQ(0, PictureColumn(canvas.Pixel(1, 1 + y), y));
        EXPECT_EQ(kWidth - 1, previous) << "the right edge shows the picture's last column";
    }
    EXPECT_EQ("", canvas.TouchedOutside(dest));
}

TEST_F(DrawSurfaceDraw, DestinationOnePixelTallerStretchesTheWholePicture) {
    DibCanvas canvas(kWidth, kHeight + 1);
    const RECT dest = {0, 0, kWidth, kHeight + 1};
    ASSERT_TRUE(surface.Draw(canvas.Dc(), dest, false));
    EXPECT_EQ(Picture(0, 0), canvas.Pixel(0, 0)) << "top row on top";
    EXPECT_EQ(Picture(kWidth - 1, kHeight - 1), canvas.Pixel(kWidth - 1, kHeight)) << "bottom row at the bottom";
    int duplicated = 0;
    for (int y = 0; y + 1 < kHeight + 1; ++y)
        duplicated += canvas.Pixel(0, y) == canvas.Pixel(0, y + 1);
    EXPECT_EQ(1, duplicated) << "one picture row is shown twice";
}

TEST_F(DrawSurfaceDraw, SmallerDestinationShowsLeftColumnsAndBottomRows) {
    DibCanvas canvas(8, 8);
    const RECT dest = {1, 2, 1 + 3, 2 + 2};
    ASSERT_TRUE(surface.Draw(canvas.Dc(), dest, false));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            ASSERT_EQ(Picture(x, kHeight - 2 + y), canvas.Pixel(1 + x, 2 + y)) << "(" << x << "," << y << ")";
    EXPECT_EQ("", canvas.TouchedOutside(dest));
}

TEST_F(DrawSurfaceDraw, DrawPartCopiesATopDownRegionToTheOrigin) {
    DibCanvas canvas(6, 6);
    const RECT source = {1, 1, 4, 3};
    ASSERT_TRUE(surface.DrawPart(canvas.Dc(), source, false));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            ASSERT_EQ(Picture(1 + x, 1 + y), canvas.Pixel(x, y)) << "(" << x << "," << y << ")";
    EXPECT_EQ("", canvas.TouchedOutside(RECT{0, 0, 3, 2}));
}

TEST_F(DrawSurfaceDraw, DrawPartOfTheTopAndBottomEdges) {
    // The bottom edge converts to DIB row 0, the top edge to the last DIB row.
    DibCanvas bottom(kWidth, 1);
    ASSERT_TRUE(surface.DrawPart(bottom.Dc(), RECT{0, kHeight - 1, kWidth, kHeight}, false));
    DibCanvas top(kWidth, 1);
    ASSERT_TRUE(surface.DrawPart(top.Dc(), RECT{0, 0, kWidth, 1}, false));
    for (int x = 0; x < kWidth; ++x) {
        EXPECT_EQ(Picture(x, kHeight - 1), bottom.Pixel(x, 0)) << x;
        EXPECT_EQ(Picture(x, 0), top.Pixel(x, 0)) << x;
    }
}

TEST_F(DrawSurfaceDraw, DrawPartToCopiesARegionIntoADestination) {
    DibCanvas canvas(9, 7);
    const RECT dest = {5, 4, 8, 6};
    const RECT source = {2, 0, 5, 2};
    ASSERT_TRUE(surface.DrawPartTo(canvas.Dc(), dest, source, false));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            ASSERT_EQ(Picture(2 + x, y), canvas.Pixel(5 + x, 4 + y)) << "(" << x << "," << y << ")";
    EXPECT_EQ("", canvas.TouchedOutside(dest));
}

TEST(DrawSurfaceEmpty, DrawsNothingAndReportsFalse) {
    CDrawSurface7 surface;
    DibCanvas canvas(4, 4);
    const RECT all = {0, 0, 4, 4};
    EXPECT_FALSE(surface.Draw(canvas.Dc(), all, false));
    EXPECT_FALSE(surface.Draw(canvas.Dc(), all, true));
    EXPECT_FALSE(surface.DrawPart(canvas.Dc(), all, false));
    EXPECT_FALSE(surface.DrawPartTo(canvas.Dc(), all, all, false));
    EXPECT_EQ("", canvas.TouchedOutside(RECT{0, 0, 0, 0}));
}

TEST(DrawSurfaceEmpty, AFailedFirstLoadStillDrawsNothing) {
    TempFolder folder;
    BmpFile broken = SolidPicture(4, 4, RGB(1, 2, 3));
    broken.pixels.resize(10);
    CDrawSurface7 surface;
    ASSERT_FALSE(surface.LoadBitmapFile(folder.WriteFile("broken.bmp", broken.Bytes())));
    DibCanvas canvas(4, 4);
    EXPECT_FALSE(surface.Draw(canvas.Dc(), RECT{0, 0, 4, 4}, false));
    EXPECT_EQ("", canvas.TouchedOutside(RECT{0, 0, 0, 0}));
}
