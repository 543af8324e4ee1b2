#pragma once
#include <windows.h>

#include <string>

// A 24-bit bottom-up bitmap in memory with a device context to paint into,
// laid out exactly as the pixel rows of a BMP file, so that saving it writes
// its rows as they are. White until something is painted.
class PreviewCanvas {
public:
    PreviewCanvas(int width, int height);
    ~PreviewCanvas();
    PreviewCanvas(const PreviewCanvas&) = delete;
    PreviewCanvas& operator=(const PreviewCanvas&) = delete;

    // Null when the bitmap could not be made.
    HDC Handle() const { return bits ? dc : nullptr; }

    // Writes the BMP file; false, with the reason in error, when it cannot.
    bool Save(const std::string& path, std::string& error) const;

private:
    DWORD ImageSize() const;

    BITMAPINFOHEADER header;
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previous;
    void* bits;
};
