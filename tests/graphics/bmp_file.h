#ifndef KIVERON_TESTS_GRAPHICS_BMP_FILE_H
#define KIVERON_TESTS_GRAPHICS_BMP_FILE_H

#include <windows.h>

#include <string>
#include <vector>

// A BMP file taken apart into the fields that a loader checks, so that a test
// can spoil exactly one of them and write the result to disk.
struct BmpFile {
    WORD signature = 0x4D42; // "BM"
    WORD reserved1 = 0;
    WORD reserved2 = 0;
    // Written as bfOffBits; the default points right after the colour table.
    bool automaticPixelOffset = true;
    DWORD pixelOffset = 0;
    BITMAPINFOHEADER info{};
    // Bytes that follow the 40 info bytes inside a longer info header.
    std::string headerExtension;
    std::vector<RGBQUAD> colorTable;
    std::string pixels;

    std::string Bytes() const;
    DWORD AutomaticPixelOffset() const;
};

// Bytes in one pixel row, padded to four.
int StrideOf(int width, int bitCount);

// A width x height picture stored at bitCount bits per pixel in which
// PatternColour tells the colour of every pixel. Pixels differ from their
// neighbours, so a shifted or mirrored copy shows.
BmpFile PatternPicture(int width, int height, WORD bitCount);

// The colour that PatternPicture gives to pixel (x, y), counted from the
// top-left corner.
COLORREF PatternColour(WORD bitCount, int x, int y);

// A picture of one colour (24 bits per pixel).
BmpFile SolidPicture(int width, int height, COLORREF colour);

#endif
