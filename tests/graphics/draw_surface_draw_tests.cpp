// Drawing a loaded picture into a 32-bit DIB section, checked pixel by pixel,
// including the pixels that must stay untouched around the destination.
#include <gtest/gtest.h>

#include "graphics/draw_surface.h"
#include "support/temp_folder.h"
#include "test_pictures.h"

namespace {

constexpr int kWidth = 5, kHeight = 4;

COLORREF Picture(int x, int y)
{
    return PatternColour(24, x, y);
}

class DrawSurfaceDraw : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(surface.LoadBitmapFile(
            folder.WriteFile("p.bmp", Pattern(kWidth, kHeight, 24).Bytes())));
    }
    TempFolder folder;
    CDrawSurface7 surface;
};

} // namespace

TEST_F(DrawSurfaceDraw, OneToOneAndSmallerDestinations)
{
    DibCanvas same(9, 8), smaller(8, 8);
    ASSERT_TRUE(surface.Draw(same.Dc(), RECT{2, 3, 2 + kWidth, 3 + kHeight}, false));
    ExpectCopy(same, 24, 2, 3, 0, 0, kWidth, kHeight);
    ASSERT_TRUE(surface.Draw(smaller.Dc(), RECT{1, 2, 4, 4}, false));
    ExpectCopy(smaller, 24, 1, 2, 0, kHeight - 2, 3, 2); // left columns, bottom rows
}

TEST_F(DrawSurfaceDraw, DestinationOnePixelWiderStretchesTheWholePicture)
{
    DibCanvas canvas(kWidth + 3, kHeight + 2);
    const RECT dest = {1, 1, 2 + kWidth, 1 + kHeight};
    ASSERT_TRUE(surface.Draw(canvas.Dc(), dest, false));
    for (int y = 0; y < kHeight; ++y) {
        int previous = 0; // every picture column appears, in order, one of them twice
        for (int x = 0; x <= kWidth; ++x) {
            int column = 0;
            while (column < kWidth && Picture(column, y) != canvas.Pixel(1 + x, 1 + y))
                ++column;
            ASSERT_TRUE(column == previous || column == previous + 1)
                << "column " << column << " at " << x << "," << y;
            previous = column;
        }
        EXPECT_EQ(kWidth - 1, previous) << "the right edge shows the last column";
    }
    EXPECT_EQ(0, canvas.TouchedOutside(dest));
}

TEST_F(DrawSurfaceDraw, DrawPartAndDrawPartToTakeTopDownRegions)
{
    DibCanvas part(6, 6), partTo(9, 7);
    ASSERT_TRUE(surface.DrawPart(part.Dc(), RECT{1, 1, 4, 3}, false));
    ExpectCopy(part, 24, 0, 0, 1, 1, 3, 2);
    ASSERT_TRUE(surface.DrawPartTo(partTo.Dc(), RECT{5, 4, 8, 6}, RECT{2, 0, 5, 2}, false));
    ExpectCopy(partTo, 24, 5, 4, 2, 0, 3, 2);
    for (int row :
         {0, kHeight - 1}) { // the bottom edge is DIB row 0, the top edge the last DIB row
        DibCanvas edge(kWidth, 1);
        ASSERT_TRUE(surface.DrawPart(edge.Dc(), RECT{0, row, kWidth, row + 1}, false));
        ExpectCopy(edge, 24, 0, 0, 0, row, kWidth, 1);
    }
}

TEST(DrawSurfaceEmpty, DrawsNothingAndSaysSoEvenAfterAFailedLoad)
{
    TempFolder folder;
    Bmp broken = Pattern(4, 4, 24);
    broken.pixels.resize(10);
    CDrawSurface7 never, failed;
    ASSERT_FALSE(failed.LoadBitmapFile(folder.WriteFile("broken.bmp", broken.Bytes())));
    for (const CDrawSurface7* surface : {&never, &failed}) {
        DibCanvas canvas(4, 4);
        const RECT all = {0, 0, 4, 4};
        EXPECT_FALSE(surface->Draw(canvas.Dc(), all, false));
        EXPECT_FALSE(surface->Draw(canvas.Dc(), all, true));
        EXPECT_FALSE(surface->DrawPart(canvas.Dc(), all, false));
        EXPECT_FALSE(surface->DrawPartTo(canvas.Dc(), all, all, false));
        EXPECT_EQ(0, canvas.TouchedOutside(RECT{0, 0, 0, 0}));
    }
}

TEST_F(DrawSurfaceDraw, DrawUnderShowsWhatDrawShowsThereForEverySizeOfClient)
{
    const struct {
        int width, height;
        RECT area;
    } clients[] = {
        {3, 3, RECT{1, 1, 3, 3}},            // smaller than the picture: its bottom-left part
        {kWidth, kHeight, RECT{2, 1, 5, 3}}, // the same size
        {kWidth + 3, kHeight + 4, RECT{2, 3, 7, 8}}, // larger: stretched
    };
    for (const auto& c : clients) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        const RECT client = {0, 0, c.width, c.height};
        DibCanvas whole(c.width, c.height);
        ASSERT_TRUE(surface.Draw(whole.Dc(), client, false));
        const int w = c.area.right - c.area.left, h = c.area.bottom - c.area.top;
        DibCanvas part(w + 2, h + 2);
        const RECT dest = {1, 1, 1 + w, 1 + h};
        ASSERT_TRUE(surface.DrawUnder(part.Dc(), dest, client, c.area, false));
        for (int i = 0; i < w * h; ++i)
            ASSERT_EQ(whole.Pixel(c.area.left + i % w, c.area.top + i / w),
                      part.Pixel(1 + i % w, 1 + i / w))
                << "pixel (" << i % w << "," << i / w << ")";
        EXPECT_EQ(0, part.TouchedOutside(dest));
    }
}
