#include "graphics/image_palette.h"

#include <algorithm>

#include "graphics/client_dc.h"

namespace {

constexpr int kPaletteSize = 256;

PALETTEENTRY Entry(BYTE red, BYTE green, BYTE blue, BYTE flags)
{
    PALETTEENTRY entry;
    entry.peRed = red;
    entry.peGreen = green;
    entry.peBlue = blue;
    entry.peFlags = flags;
    return entry;
}

PALETTEENTRY FromTable(const RGBQUAD& colour)
{
    return Entry(colour.rgbRed, colour.rgbGreen, colour.rgbBlue, PC_NOCOLLAPSE);
}

PALETTEENTRY WithFlags(PALETTEENTRY entry, BYTE flags)
{
    entry.peFlags = flags;
    return entry;
}

int UsableColours(const RGBQUAD* colorTable, DWORD count)
{
    return colorTable == nullptr ? 0 : static_cast<int>(std::min<DWORD>(count, kPaletteSize));
}

PaletteEntries NoStaticPalette(const RGBQUAD* colorTable, int colours)
{
    PaletteEntries entries;
    entries.fill(Entry(0, 0, 0, PC_NOCOLLAPSE));
    for (int i = 0; i < colours; ++i)
        entries[i] = FromTable(colorTable[i]);
    entries[0] = Entry(0, 0, 0, 0);
    entries[kPaletteSize - 1] = Entry(255, 255, 255, 0);
    return entries;
}

PaletteEntries StaticPalette(const ScreenPaletteFacts& screen, const RGBQUAD* colorTable,
                             int colours)
{
    // NUMCOLORS is -1 on displays without a palette, which leaves no static
    // colours; a value beyond the palette's size cannot be honoured and
    // would otherwise index past it.
    const int half = std::clamp(screen.numColors / 2, 0, kPaletteSize / 2);
    PaletteEntries entries;
    for (int i = 0; i < kPaletteSize; ++i) {
        const bool isStatic = i < half || i >= kPaletteSize - half;
        entries[i] = WithFlags(screen.systemEntries[i], isStatic ? 0 : PC_NOCOLLAPSE);
    }
    const int limit = std::min(colours, kPaletteSize - half);
    for (int i = half; i < limit; ++i)
        entries[i] = FromTable(colorTable[i]);
    return entries;
}

} // namespace

PaletteEntries ChooseImagePalette(const ScreenPaletteFacts& screen, const RGBQUAD* colorTable,
                                  DWORD count)
{
    const int colours = UsableColours(colorTable, count);
    if (screen.systemPaletteUse == SYSPAL_NOSTATIC)
        return NoStaticPalette(colorTable, colours);
    return StaticPalette(screen, colorTable, colours);
}

ScreenPaletteFacts ReadScreenPaletteFacts()
{
    ScreenPaletteFacts screen;
    screen.systemEntries.fill(PALETTEENTRY{0, 0, 0, 0});
    ClientDC display(nullptr);
    screen.systemPaletteUse = GetSystemPaletteUse(display.Handle());
    screen.numColors = GetDeviceCaps(display.Handle(), NUMCOLORS);
    // A display without a palette copies nothing and leaves the zeros.
    GetSystemPaletteEntries(display.Handle(), 0, kPaletteSize, screen.systemEntries.data());
    return screen;
}
