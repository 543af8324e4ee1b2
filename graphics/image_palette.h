#pragma once
#include <windows.h>

#include <array>

using PaletteEntries = std::array<PALETTEENTRY, 256>;

// The screen facts that decide how a picture's colours share a 256-colour
// display with the system.
struct ScreenPaletteFacts {
    UINT systemPaletteUse;        // GetSystemPaletteUse: SYSPAL_STATIC, SYSPAL_NOSTATIC, ...
    int numColors;                // GetDeviceCaps(NUMCOLORS); -1 on true-colour displays
    PaletteEntries systemEntries; // GetSystemPaletteEntries(0, 256); zeroed where there are none
};

// The 256 entries of the logical palette for a picture with the given colour
// table (count entries; only the first 256 can be used).
//
// With SYSPAL_NOSTATIC the picture may take every slot, but slot 0 stays
// black and slot 255 white so that windows keep their text and background
// colours. Otherwise the system keeps NUMCOLORS / 2 static colours at each
// end and the picture's colours fill the slots between, each at its own
// index; the picture's first and last NUMCOLORS / 2 colours are not taken.
// Picture slots carry PC_NOCOLLAPSE so that they are realised as given.
PaletteEntries ChooseImagePalette(const ScreenPaletteFacts& screen, const RGBQUAD* colorTable,
                                  DWORD count);

// Asks the screen for the facts above.
ScreenPaletteFacts ReadScreenPaletteFacts();
