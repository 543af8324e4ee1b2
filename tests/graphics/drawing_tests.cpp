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

class DrawSurfaceDraw : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(surface.LoadBitmapFile(folder.WriteFile("p.bmp", Pattern(5, 4, 24).Bytes())));
    }
    TempFolder folder;
    CDrawSurface7 surface;
};

} // namespace

// The canvas shows the pattern's pixels (sx + x, sy + y) at (dx + x, dy + y)
// for a w x h block, and nothing else.
TEST_F(DrawSurfaceDraw, DestinationsAndPartsShowThePixelsTheyName)
{
    for (const TableRow& row : TableRows(GRAPHICS_DIR "/data/draw-parts.txt")) {
        SCOPED_TRACE(row[0]);
        const auto canvas = Numbers<int>(row[1]), call = Numbers<int>(row[2]),
                   d = Numbers<int>(row[3]), s = Numbers<int>(row[4]), b = Numbers<int>(row[5]);
        const RECT dest{d[0], d[1], d[2], d[3]}, source{s[0], s[1], s[2], s[3]};
        const std::vector<DWORD> drawn = Render(canvas[0], canvas[1], [&](HDC dc) {
            return call[0] == 0   ? surface.Draw(dc, dest, false)
                   : call[0] == 1 ? surface.DrawPart(dc, source, false)
                                  : surface.DrawPartTo(dc, dest, source, false);
        });
        ASSERT_FALSE(drawn.empty()) << "drawn";
        for (int i = 0; i < int(drawn.size()); ++i) {
            const int x = i % canvas[0] - b[0], y = i / canvas[0] - b[1];
            const bool inside = x >= 0 && x < b[4] && y >= 0 && y < b[5];
            ASSERT_EQ(inside ? PatternColour(24, b[2] + x, b[3] + y) : CanvasColour(kUntouched),
                      CanvasColour(drawn[i]))
                << "canvas pixel " << i % canvas[0] << "," << i / canvas[0];
        }
    }
}

// Clients smaller than the picture, the same size, and larger (stretched):
// the client's size, then the area drawn under.
TEST_F(DrawSurfaceDraw, DrawUnderShowsWhatDrawShowsThereForEverySizeOfClient)
{
    for (const auto& c :
         {std::vector<LONG>{3, 3, 1, 1, 3, 3}, {5, 4, 2, 1, 5, 3}, {8, 8, 2, 3, 7, 8}}) {
        SCOPED_TRACE(std::to_string(c[0]) + " x " + std::to_string(c[1]));
        const RECT client = {0, 0, c[0], c[1]}, area = {c[2], c[3], c[4], c[5]};
        const int w = c[4] - c[2], h = c[5] - c[3];
        const std::vector<DWORD> whole =
            Render(c[0], c[1], [&](HDC dc) { return surface.Draw(dc, client, false); });
        ASSERT_FALSE(whole.empty());
        std::vector<DWORD> expected((w + 2) * (h + 2), kUntouched);
        for (int i = 0; i < w * h; ++i)
            expected[(i / w + 1) * (w + 2) + i % w + 1] =
                whole[(c[3] + i / w) * c[0] + c[2] + i % w];
        EXPECT_EQ(expected, Render(w + 2, h + 2, [&](HDC dc) {
                      return surface.DrawUnder(dc, RECT{1, 1, 1 + w, 1 + h}, client, area, false);
                  }));
    }
}

TEST(DrawSurfaceEmpty, DrawsNothingAndSaysSoEvenAfterAFailedLoad)
{
    TempFolder folder;
    CDrawSurface7 never, failed;
    ASSERT_FALSE(failed.LoadBitmapFile(folder.PathOf("missing.bmp")));
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
    for (const TableRow& row : TableRows(GRAPHICS_DIR "/data/image-palettes.txt")) {
        const auto facts = Numbers<int>(row[1] + " " + row[2] + " " + row[3]),
                   runs = Numbers<int>(row[4]);
        ScreenPaletteFacts screen{UINT(facts[0]), facts[1], {}};
        for (int i = 0; i < 256; ++i)
            screen.systemEntries[i] = {BYTE(i), BYTE(i), BYTE(i), 0xFF};
        const PaletteEntries got =
            ChooseImagePalette(screen, facts[2] ? table.data() : nullptr, facts[2]);
        for (int i = 0, run = 0; i < 256; ++i) {
            run += run + 2 < int(runs.size()) && runs[run + 2] == i ? 2 : 0;
            // A PALETTEENTRY's bytes read as a DWORD: RGB(red, green, blue) | flags << 24.
            ASSERT_EQ(expected(runs[run + 1], i), FieldAt<DWORD>(BytesOf(got[i]), 0))
                << row[0] << ", slot " << i;
        }
    }
}
