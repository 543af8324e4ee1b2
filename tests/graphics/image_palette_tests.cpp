// The palette layout as a pure function of the screen's facts, and the
// palette that a picture actually gets on this display.
#include <gtest/gtest.h>

#include <vector>

#include "graphics/draw_surface.h"
#include "graphics/image_palette.h"

namespace {

// Picture colour i: red i, green i / 2, blue 200; the system palette's slot
// i is grey i with flags 0xFF, so every slot tells where it came from.
enum Kind { Pic, Sys, SysFree, Black, BlackFree, White };

std::string Text(const PALETTEENTRY& e)
{
    return std::to_string(e.peRed) + "," + std::to_string(e.peGreen) + "," +
           std::to_string(e.peBlue) + " flags " + std::to_string(e.peFlags);
}

std::string Expected(Kind kind, int i)
{
    const BYTE g = BYTE(i),
               free = kind == SysFree || kind == BlackFree || kind == Pic ? PC_NOCOLLAPSE : 0;
    const BYTE level = kind == White ? 255 : kind == Black || kind == BlackFree ? 0 : g;
    return Text(kind == Pic ? PALETTEENTRY{g, BYTE(i / 2), 200, free}
                            : PALETTEENTRY{level, level, level, free});
}

} // namespace

TEST(ImagePalette, LaysOutPictureAndSystemColours)
{
    const struct {
        const char* name;
        UINT use;
        int numColors;
        int colours;
        std::vector<std::pair<int, Kind>> runs; // first slot of each run
    } cases[] = {
        {"no static: picture but black and white ends",
         SYSPAL_NOSTATIC,
         256,
         256,
         {{0, Black}, {1, Pic}, {255, White}}},
        {"no static, 16 colours",
         SYSPAL_NOSTATIC,
         256,
         16,
         {{0, Black}, {1, Pic}, {16, BlackFree}, {255, White}}},
        {"20 static colours", SYSPAL_STATIC, 20, 256, {{0, Sys}, {10, Pic}, {246, Sys}}},
        {"NOSTATIC256 keeps 20 static",
         SYSPAL_NOSTATIC256,
         20,
         256,
         {{0, Sys}, {10, Pic}, {246, Sys}}},
        {"error keeps 20 static", SYSPAL_ERROR, 20, 256, {{0, Sys}, {10, Pic}, {246, Sys}}},
        {"static, 16 colours",
         SYSPAL_STATIC,
         20,
         16,
         {{0, Sys}, {10, Pic}, {16, SysFree}, {246, Sys}}},
        {"no colour table", SYSPAL_STATIC, 20, 0, {{0, Sys}, {10, SysFree}, {246, Sys}}},
        {"only the first 256 of 300", SYSPAL_STATIC, 20, 300, {{0, Sys}, {10, Pic}, {246, Sys}}},
        {"true colour: NUMCOLORS -1", SYSPAL_ERROR, -1, 256, {{0, Pic}}},
        {"more static than slots", SYSPAL_STATIC, 100000, 256, {{0, Sys}}},
        {"negative static count", SYSPAL_STATIC, -100000, 256, {{0, Pic}}},
    };
    std::vector<RGBQUAD> table;
    for (int i = 0; i < 300; ++i)
        table.push_back(RGBQUAD{200, BYTE(i / 2), BYTE(i), 0});
    for (const auto& c : cases) {
        ScreenPaletteFacts screen{c.use, c.numColors, {}};
        for (int i = 0; i < 256; ++i)
            screen.systemEntries[i] = {BYTE(i), BYTE(i), BYTE(i), 0xFF};
        const PaletteEntries got =
            ChooseImagePalette(screen, c.colours ? table.data() : nullptr, c.colours);
        size_t run = 0;
        for (int i = 0; i < 256; ++i) {
            run += run + 1 < c.runs.size() && c.runs[run + 1].first == i;
            ASSERT_EQ(Expected(c.runs[run].second, i), Text(got[i])) << c.name << ", slot " << i;
        }
    }
}

TEST(ImagePalette, CreateImagePaletteLaysOutWhatThisScreenReports)
{
    std::vector<RGBQUAD> table;
    for (int i = 0; i < 256; ++i)
        table.push_back(RGBQUAD{BYTE(i), 7, BYTE(255 - i), 0});
    const HPALETTE palette = CDrawSurface7::CreateImagePalette(table.data(), 256);
    PALETTEENTRY actual[256] = {};
    ASSERT_EQ(256u, GetPaletteEntries(palette, 0, 256, actual));
    const PaletteEntries expected = ChooseImagePalette(ReadScreenPaletteFacts(), table.data(), 256);
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(Text(expected[i]), Text(actual[i])) << "slot " << i;
    DeleteObject(palette);
}
