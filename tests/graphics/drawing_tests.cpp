// Drawing a loaded picture, checked pixel by pixel, the pixels around the
// destination included; and the palette a picture gets on a screen.
#include <gtest/gtest.h>

#include <vector>

#include "graphics/draw_surface.h"
#include "graphics/image_palette.h"
#include "support/bitmap_file.h"
#include "support/temp_folder.h"
#include "table_rows.h"

namespace {

constexpr int kWidth = 5, kHeight = 4;

// The canvas (canvasWidth wide) shows Pattern(kWidth, kHeight, 24) pixels
// (sx + x, sy + y) at (dx + x, dy + y) for a w x h block, and nothing else.
void ExpectCopy(const std::vector<DWORD>& canvas, int canvasWidth, int dx, int dy, int sx, int sy,
                int w, int h)
{
    ASSERT_FALSE(canvas.empty()) << "drawn";
    for (int i = 0; i < int(canvas.size()); ++i) {
        const int x = i % canvasWidth - dx, y = i / canvasWidth - dy;
        const bool inside = x >= 0 && x < w && y >= 0 && y < h;
        ASSERT_EQ(inside ? PatternColour(24, sx + x, sy + y) : CanvasColour(kUntouched),
                  CanvasColour(canvas[i]))
            << "canvas pixel " << i % canvasWidth << "," << i / canvasWidth;
    }
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

TEST_F(DrawSurfaceDraw, DestinationsAndPartsShowThePixelsTheyName)
{
    for (const TableRow& row : TableRows(GRAPHICS_DATA_DIR "/draw-parts.txt")) {
        SCOPED_TRACE(row[0]);
        const auto canvas = Numbers<int>(row[1]), call = Numbers<int>(row[2]),
                   d = Numbers<int>(row[3]), s = Numbers<int>(row[4]), b = Numbers<int>(row[5]);
        const RECT dest{d[0], d[1], d[2], d[3]}, source{s[0], s[1], s[2], s[3]};
        ExpectCopy(Render(canvas[0], canvas[1],
                          [&](HDC dc) {
                              return call[0] == 0   ? surface.Draw(dc, dest, false)
                                     : call[0] == 1 ? surface.DrawPart(dc, source, false)
                                                    : surface.DrawPartTo(dc, dest, source, false);
                          }),
                   canvas[0], b[0], b[1], b[2], b[3], b[4], b[5]);
    }
}

TEST_F(DrawSurfaceDraw, DrawUnderShowsWhatDrawShowsThereForEverySizeOfClient)
{
    const struct {
        int width, height;
        RECT area;
    } clients[] = {
        {3, 3, RECT{1, 1, 3, 3}},                    // smaller than the picture
        {kWidth, kHeight, RECT{2, 1, 5, 3}},         // the same size
        {kWidth + 3, kHeight + 4, RECT{2, 3, 7, 8}}, // larger: stretched
    };
    for (const auto& c : clients) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        const RECT client = {0, 0, c.width, c.height};
        const std::vector<DWORD> whole =
            Render(c.width, c.height, [&](HDC dc) { return surface.Draw(dc, client, false); });
        const int w = c.area.right - c.area.left, h = c.area.bottom - c.area.top;
        const std::vector<DWORD> part = Render(w + 2, h + 2, [&](HDC dc) {
            return surface.DrawUnder(dc, RECT{1, 1, 1 + w, 1 + h}, client, c.area, false);
        });
        ASSERT_FALSE(whole.empty() || part.empty());
        for (int i = 0; i < (w + 2) * (h + 2); ++i) {
            const int x = i % (w + 2) - 1, y = i / (w + 2) - 1;
            const bool inside = x >= 0 && x < w && y >= 0 && y < h;
            ASSERT_EQ(inside ? whole[(c.area.top + y) * c.width + c.area.left + x] : kUntouched,
                      part[i])
                << "pixel " << x << "," << y;
        }
    }
}

TEST(DrawSurfaceEmpty, DrawsNothingAndSaysSoEvenAfterAFailedLoad)
{
    TempFolder folder;
    Bmp broken = Pattern(4, 4, 24);
    broken.pixels.resize(10);
    CDrawSurface7 never, failed;
    ASSERT_FALSE(failed.LoadBitmapFile(folder.WriteFile("broken.bmp", broken.Bytes())));
    const RECT all = {0, 0, 4, 4};
    for (const CDrawSurface7* surface : {&never, &failed})
        EXPECT_TRUE(Render(4, 4, [&](HDC dc) {
                        return surface->Draw(dc, all, false) || surface->Draw(dc, all, true) ||
                               surface->DrawPart(dc, all, false) ||
                               surface->DrawPartTo(dc, all, all, false);
                    }).empty());
}

TEST(ImagePalette, LaysOutPictureAndSystemColours)
{
    enum Kind { Pic, Sys, SysFree, Black, BlackFree, White };
    std::vector<RGBQUAD> table;
    for (int i = 0; i < 300; ++i)
        table.push_back(RGBQUAD{200, BYTE(i / 2), BYTE(i), 0});
    const auto expected = [](int kind, int i) {
        const BYTE free = kind == SysFree || kind == BlackFree || kind == Pic ? PC_NOCOLLAPSE : 0;
        const BYTE level = kind == White ? 255 : kind == Black || kind == BlackFree ? 0 : BYTE(i);
        return kind == Pic ? RGB(i, i / 2, 200) | free << 24
                           : RGB(level, level, level) | free << 24;
    };
    for (const TableRow& row : TableRows(GRAPHICS_DATA_DIR "/image-palettes.txt")) {
        const auto facts = Numbers<int>(row[1] + " " + row[2] + " " + row[3]);
        const auto runs = Numbers<int>(row[4]);
        ScreenPaletteFacts screen{UINT(facts[0]), facts[1], {}};
        for (int i = 0; i < 256; ++i)
            screen.systemEntries[i] = {BYTE(i), BYTE(i), BYTE(i), 0xFF};
        const PaletteEntries got =
            ChooseImagePalette(screen, facts[2] ? table.data() : nullptr, facts[2]);
        for (int i = 0, run = 0; i < 256; ++i) {
            run += run + 2 < int(runs.size()) && runs[run + 2] == i ? 2 : 0;
            const PALETTEENTRY& e = got[i];
            ASSERT_EQ(expected(runs[run + 1], i),
                      RGB(e.peRed, e.peGreen, e.peBlue) | DWORD(e.peFlags) << 24)
                << row[0] << ", slot " << i;
        }
    }
}
