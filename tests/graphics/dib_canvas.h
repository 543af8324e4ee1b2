#ifndef KIVERON_TESTS_GRAPHICS_DIB_CANVAS_H
#define KIVERON_TESTS_GRAPHICS_DIB_CANVAS_H

#include <windows.h>

#include <string>

// A 32-bit top-down DIB section selected into a memory DC: something to draw
// into whose pixels a test can read back one by one. It starts filled with
// kUntouched, a colour no test picture uses.
class DibCanvas {
public:
    static constexpr COLORREF kUntouched = RGB(0x13, 0x57, 0x9B);

    DibCanvas(int width, int height);
    ~DibCanvas();
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    HDC Dc() const { return dc; }
    int Width() const { return width; }
    int Height() const { return height; }

    // The colour at (x, y), counted from the top-left corner.
    COLORREF Pixel(int x, int y) const;
    // The pixels outside rect that something drew on, as "(x,y) " for the
    // first few of them; "" when every pixel outside rect is untouched.
    std::string TouchedOutside(const RECT& rect) const;

private:
    int width;
    int height;
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previousBitmap;
    DWORD* bits;
};

#endif
