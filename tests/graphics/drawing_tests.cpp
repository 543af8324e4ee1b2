// Drawing a loaded picture, checked pixel by pixel, the pixels around the
// destination included; and the palette a picture gets on a screen.
#include <gtest/gtest.h>

#include <vector>

#include "graphics/draw_surface.h"
#include "graphics/image_palette.h"
#include "support/bitmap_file.h"
#include "support/temp_folder.h"

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

// Draw shows the picture's left columns and bottom rows when the
// destination is smaller; parts are given in top-down picture terms, in
// which the top edge is the last DIB row.
TEST_F(DrawSurfaceDraw, DestinationsAndPartsShowThePixelsTheyName)
{
    enum Call { Draw, Part, PartTo };
    const struct {
        const char* name;
        int width, height; // of the canvas
        Call call;
        RECT dest, source;
        int dx, dy, sx, sy, w, h; // the block of the picture that shows, and where
    } cases[] = {
        // clang-format off
        {"1:1", 9, 8, Draw, {2, 3, 7, 7}, {}, 2, 3, 0, 0, kWidth, kHeight},
        {"smaller", 8, 8, Draw, {1, 2, 4, 4}, {}, 1, 2, 0, kHeight - 2, 3, 2},
        {"part", 6, 6, Part, {}, {1, 1, 4, 3}, 0, 0, 1, 1, 3, 2},
        {"top edge", kWidth, 1, Part, {}, {0, 0, kWidth, 1}, 0, 0, 0, 0, kWidth, 1},
        {"bottom edge", kWidth, 1, Part, {}, {0, 3, kWidth, 4}, 0, 0, 0, 3, kWidth, 1},
        {"part to", 9, 7, PartTo, {5, 4, 8, 6}, {2, 0, 5, 2}, 5, 4, 2, 0, 3, 2},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectCopy(Render(c.width, c.height,
                          [&](HDC dc) {
                              return c.call == Draw ? surface.Draw(dc, c.dest, false)
                                     : c.call == Part
                                         ? surface.DrawPart(dc, c.source, false)
                                         : surface.DrawPartTo(dc, c.dest, c.source, false);
                          }),
                   c.width, c.dx, c.dy, c.sx, c.sy, c.w, c.h);
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

// Picture colour i: red i, green i / 2, blue 200; the system palette's slot
// i is grey i with flags 0xFF, so every slot tells where it came from.
TEST(ImagePalette, LaysOutPictureAndSystemColours)
{
    enum Kind { Pic, Sys, SysFree, Black, BlackFree, White };
    const struct {
        const char* name;
        UINT use;
        int numColors;
        int colours;
        std::vector<std::pair<int, Kind>> runs; // first slot of each run
    } cases[] = {
        // clang-format off
        {"no static: black and white ends",
         SYSPAL_NOSTATIC, 256, 256, {{0, Black}, {1, Pic}, {255, White}}},
        {"no static, 16 colours",
         SYSPAL_NOSTATIC, 256, 16, {{0, Black}, {1, Pic}, {16, BlackFree}, {255, White}}},
        {"20 static colours", SYSPAL_STATIC, 20, 256, {{0, Sys}, {10, Pic}, {246, Sys}}},
        {"NOSTATIC256 keeps 20", SYSPAL_NOSTATIC256, 20, 256, {{0, Sys}, {10, Pic}, {246, Sys}}},
        {"error keeps 20 static", SYSPAL_ERROR, 20, 256, {{0, Sys}, {10, Pic}, {246, Sys}}},
        {"static, 16 colours",
         SYSPAL_STATIC, 20, 16, {{0, Sys}, {10, Pic}, {16, SysFree}, {246, Sys}}},
        {"no colour table", SYSPAL_STATIC, 20, 0, {{0, Sys}, {10, SysFree}, {246, Sys}}},
        {"only the first 256 of 300", SYSPAL_STATIC, 20, 300, {{0, Sys}, {10, Pic}, {246, Sys}}},
        {"true colour: NUMCOLORS -1", SYSPAL_ERROR, -1, 256, {{0, Pic}}},
        {"more static than slots", SYSPAL_STATIC, 100000, 256, {{0, Sys}}},
        {"negative static count", SYSPAL_STATIC, -100000, 256, {{0, Pic}}},
        // clang-format on
    };
    std::vector<RGBQUAD> table;
    for (int i = 0; i < 300; ++i)
        table.push_back(RGBQUAD{200, BYTE(i / 2), BYTE(i), 0});
    const auto expected = [](Kind kind, int i) {
        const BYTE free = kind == SysFree || kind == BlackFree || kind == Pic ? PC_NOCOLLAPSE : 0;
        const BYTE level = kind == White ? 255 : kind == Black || kind == BlackFree ? 0 : BYTE(i);
        return kind == Pic ? RGB(i, i / 2, 200) | free << 24
                           : RGB(level, level, level) | free << 24;
    };
    for (const auto& c : cases) {
        ScreenPaletteFacts screen{c.use, c.numColors, {}};
        for (int i = 0; i < 256; ++i)
            screen.systemEntries[i] = {BYTE(i), BYTE(i), BYTE(i), 0xFF};
        const PaletteEntries got =
            ChooseImagePalette(screen, c.colours ? table.data() : nullptr, c.colours);
        for (int i = 0, run = 0; i < 256; ++i) {
            run += run + 1 < int(c.runs.size()) && c.runs[run + 1].first == i;
            const PALETTEENTRY& e = got[i];
            ASSERT_EQ(expected(c.runs[run].second, i),
                      RGB(e.peRed, e.peGreen, e.peBlue) | DWORD(e.peFlags) << 24)
                << c.name << ", slot " << i;
        }
    }
}
