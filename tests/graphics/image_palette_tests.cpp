// The palette layout as a pure function of the screen's facts, and the
// palette that a picture actually gets on this display.
#include <gtest/gtest.h>

#include <vector>

#include "graphics/draw_surface.h"
#include "graphics/image_palette.h"

namespace {

PALETTEENTRY Colour(BYTE red, BYTE green, BYTE blue, BYTE flags) {
    return PALETTEENTRY{red, green, blue, flags};
}

::testing::AssertionResult Same(const PALETTEENTRY& expected, const PALETTEENTRY& actual) {
    if (expected.peRed == actual.peRed && expected.peGreen == actual.peGreen && expected.peBlue == actual.peBlue &&
        expected.peFlags == actual.peFlags)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "expected rgb(" << int(expected.peRed) << "," << int(expected.peGreen)
                                         << "," << int(expected.peBlue) << ") flags " << int(expected.peFlags)
                                         << ", got rgb(" << int(actual.peRed) << "," << int(actual.peGreen) << ","
                                         << int(actual.peBlue) << ") flags " << int(actual.peFlags);
}

// Picture colours that no system slot below has: red = index, blue = 200.
std::vector<RGBQUAD> PictureTable(int count) {
    std::vector<RGBQUAD> table;
    for (int i = 0; i < count; ++i)
        table.push_back(RGBQUAD{200, static_cast<BYTE>(i / 2), static_cast<BYTE>(i), 0});
    return table;
}

PALETTEENTRY FromPicture(int index) {
    return Colour(static_cast<BYTE>(index), static_cast<BYTE>(index / 2), 200, PC_NOCOLLAPSE);
}

// A display's system palette: slot i is grey i, flags set to show they are
// not taken over.
ScreenPaletteFacts Screen(UINT use, int numColors) {
    ScreenPaletteFacts screen;
    screen.systemPaletteUse = use;
    screen.numColors = numColors;
    for (int i = 0; i < 256; ++i)
        screen.systemEntries[i] = Colour(static_cast<BYTE>(i), static_cast<BYTE>(i), static_cast<BYTE>(i), 0xFF);
    return screen;
}

PALETTEENTRY System(int index, BYTE flags) {
    return Colour(static_cast<BYTE>(index), static_cast<BYTE>(index), static_cast<BYTE>(index), flags);
}

} // namespace

TEST(ImagePaletteNoStatic, PictureTakesEverySlotButBlackAndWhiteEnds) {
    const std::vector<RGBQUAD> table = PictureTable(256);
    const PaletteEntries entries = ChooseImagePalette(Screen(SYSPAL_NOSTATIC, 256), table.data(), 256);
    EXPECT_TRUE(Same(Colour(0, 0, 0, 0), entries[0])) << "whatever the picture's first colour";
    EXPECT_TRUE(Same(Colour(255, 255, 255, 0), entries[255])) << "whatever the picture's last colour";
    for (int i = 1; i < 255; ++i)
        ASSERT_TRUE(Same(FromPicture(i), entries[i])) << "slot " << i;
}

TEST(ImagePaletteNoStatic, ShortTableLeavesBlackSlotsThatMayCollapse) {
    const std::vector<RGBQUAD> table = PictureTable(16);
    const PaletteEntries entries = ChooseImagePalette(Screen(SYSPAL_NOSTATIC, 256), table.data(), 16);
    EXPECT_TRUE(Same(Colour(0, 0, 0, 0), entries[0]));
    for (int i = 1; i < 16; ++i)
        ASSERT_TRUE(Same(FromPicture(i), entries[i])) << "slot " << i;
    for (int i = 16; i < 255; ++i)
        ASSERT_TRUE(Same(Colour(0, 0, 0, PC_NOCOLLAPSE), entries[i])) << "slot " << i;
    EXPECT_TRUE(Same(Colour(255, 255, 255, 0), entries[255]));
}

TEST(ImagePaletteStatic, TwentyStaticColoursKeepTenSlotsAtEachEnd) {
    const std::vector<RGBQUAD> table = PictureTable(256);
    for (UINT use : {UINT(SYSPAL_STATIC), UINT(SYSPAL_NOSTATIC256), UINT(SYSPAL_ERROR)}) {
        const PaletteEntries entries = ChooseImagePalette(Screen(use, 20), table.data(), 256);
        for (int i = 0; i < 10; ++i) {
            ASSERT_TRUE(Same(System(i, 0), entries[i])) << "use " << use << ", slot " << i;
            ASSERT_TRUE(Same(System(255 - i, 0), entries[255 - i])) << "use " << use << ", slot " << 255 - i;
        }
        for (int i = 10; i < 246; ++i)
            ASSERT_TRUE(Same(FromPicture(i), entries[i])) << "use " << use << ", slot " << i;
    }
}

TEST(ImagePaletteStatic, ShortTableLeavesTheSystemColoursBetween) {
    const std::vector<RGBQUAD> table = PictureTable(16);
    const PaletteEntries entries = ChooseImagePalette(Screen(SYSPAL_STATIC, 20), table.data(), 16);
    for (int i = 0; i < 10; ++i)
        ASSERT_TRUE(Same(System(i, 0), entries[i])) << "slot " << i << ": the picture's first colours are not taken";
    for (int i = 10; i < 16; ++i)
        ASSERT_TRUE(Same(FromPicture(i), entries[i])) << "slot " << i;
    for (int i = 16; i < 246; ++i)
        ASSERT_TRUE(Same(System(i, PC_NOCOLLAPSE), entries[i])) << "slot " << i;
    for (int i = 246; i < 256; ++i)
        ASSERT_TRUE(Same(System(i, 0), entries[i])) << "slot " << i;
}

TEST(ImagePaletteStatic, TrueColourDisplayHasNoStaticSlots) {
    // NUMCOLORS is -1 there: half of it rounds toward zero.
    const std::vector<RGBQUAD> table = PictureTable(256);
    const PaletteEntries entries = ChooseImagePalette(Screen(SYSPAL_ERROR, -1), table.data(), 256);
    for (int i = 0; i < 256; ++i)
        ASSERT_TRUE(Same(FromPicture(i), entries[i])) << "slot " << i;
}

TEST(ImagePaletteStatic, PictureWithoutColourTableGetsOnlySystemColours) {
    const PaletteEntries entries = ChooseImagePalette(Screen(SYSPAL_STATIC, 20), nullptr, 0);
    for (int i = 0; i < 256; ++i) {
        const bool isStatic = i < 10 || i >= 246;
        ASSERT_TRUE(Same(System(i, isStatic ? 0 : PC_NOCOLLAPSE), entries[i])) << "slot " << i;
    }
}

TEST(ImagePaletteStatic, MoreThan256ColoursUseOnlyTheFirst256) {
    const std::vector<RGBQUAD> table = PictureTable(300);
    const PaletteEntries wide = ChooseImagePalette(Screen(SYSPAL_STATIC, 20), table.data(), 300);
    const PaletteEntries exact = ChooseImagePalette(Screen(SYSPAL_STATIC, 20), table.data(), 256);
    for (int i = 0; i < 256; ++i)
        ASSERT_TRUE(Same(exact[i], wide[i])) << "slot " << i;
}

TEST(ImagePaletteStatic, ImpossibleStaticCountsStayInsideThePalette) {
    const std::vector<RGBQUAD> table = PictureTable(256);
    const PaletteEntries all = ChooseImagePalette(Screen(SYSPAL_STATIC, 100000), table.data(), 256);
    for (int i = 0; i < 256; ++i)
        ASSERT_TRUE(Same(System(i, 0), all[i])) << "slot " << i << ": every slot is static";
    const PaletteEntries none = ChooseImagePalette(Screen(SYSPAL_STATIC, -100000), table.data(), 256);
    for (int i = 0; i < 256; ++i)
        ASSERT_TRUE(Same(FromPicture(i), none[i])) << "slot " << i << ": no slot is static";
}

TEST(ImagePaletteOnThisDisplay, CreateImagePaletteLaysOutWhatTheScreenReports) {
    const std::vector<RGBQUAD> table = PictureTable(256);
    const HPALETTE palette = CDrawSurface7::CreateImagePalette(table.data(), 256);
    ASSERT_NE(nullptr, palette);
    PALETTEENTRY actual[256] = {};
    EXPECT_EQ(256u, GetPaletteEntries(palette, 0, 256, actual));
    const PaletteEntries expected = ChooseImagePalette(ReadScreenPaletteFacts(), table.data(), 256);
    for (int i = 0; i < 256; ++i)
        EXPECT_TRUE(Same(expected[i], actual[i])) << "slot " << i;
    WORD entryCount = 0;
    EXPECT_EQ(int(sizeof entryCount), GetObjectA(palette, sizeof entryCount, &entryCount));
    EXPECT_EQ(256, entryCount);
    DeleteObject(palette);
}
