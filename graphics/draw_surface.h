#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "graphics/client_dc.h"
#include "graphics/memory_dc.h"
#include "graphics/window_dc.h"

// The dialog's background picture: a BMP file kept in memory as every GDI
// since Windows 95 takes it (a 40-byte BI_RGB info header, the colour table
// and plain bottom-up rows in one block), with a logical palette so that it
// also shows on 256-colour displays. Longer headers, bit fields and RLE
// streams are turned into that form while loading, so that every paint is
// one GDI call on the block.
//
// Pictures are untrusted input: a file is taken only when its headers
// describe a block that the file can fill and that GDI can draw without
// reading past it. A file that fails any check leaves the surface as it was.
class CDrawSurface7 {
public:
    CDrawSurface7();
    virtual ~CDrawSurface7();
    CDrawSurface7(const CDrawSurface7&) = delete;
    CDrawSurface7& operator=(const CDrawSurface7&) = delete;

    // Reads a BMP file (narrow path in the ANSI code page). True when the
    // picture now shown is the file's; false leaves the surface unchanged.
    bool LoadBitmapFile(const std::string& path);

    bool HasImage() const { return pixels != nullptr; }

    // biWidth and biHeight of the picture (a top-down picture's height is
    // negative); 0 x 0 when empty.
    SIZE GetSize() const;

    // Paints the picture into dest: 1:1 from its bottom-left corner when
    // dest is no larger than the picture, else stretched over all of dest.
    bool Draw(HDC dc, const RECT& dest, bool forceBackground) const;

    // Copies the picture region source (top-down picture coordinates) 1:1 to
    // the DC's origin.
    bool DrawPart(HDC dc, const RECT& source, bool forceBackground) const;

    // Copies the picture region source into dest.
    bool DrawPartTo(HDC dc, const RECT& dest, const RECT& source, bool forceBackground) const;

    // The header of the block as GDI draws it: always 40 bytes and BI_RGB,
    // whatever layout the file had. Only while HasImage().
    const BITMAPINFOHEADER& Header() const;

    // Paints into dest what Draw(dc, client, ...) paints over area, a
    // rectangle of dest's size in client's coordinates: a control draws the
    // very part of the dialog's picture that shows around it, whether the
    // picture is larger than the client area, smaller or the same size.
    bool DrawUnder(HDC dc, const RECT& dest, const RECT& client, const RECT& area,
                   bool forceBackground) const;

    // The logical palette for a picture's colour table, laid out for the
    // current display; null when GDI refuses.
    static HPALETTE CreateImagePalette(const RGBQUAD* colorTable, DWORD count);

private:
    struct BlockDeleter {
        void operator()(BYTE* block) const;
    };
    using ImageBlock = std::unique_ptr<BYTE, BlockDeleter>;

    // storedTopDown tells whether the file's rows ran top-down; the block
    // holds them bottom-up either way.
    static ImageBlock ReadImageBlock(HANDLE file, bool& storedTopDown);
    const BITMAPINFO* Info() const;
    // Every drawing call goes through here: false when there is nothing to draw.
    bool PrepareTarget(HDC dc, bool forceBackground) const;
    void DeletePalette();

    BYTE* pixels;
    ImageBlock block;
    HPALETTE palette;
    // The file stored the rows top-down: its height is reported negative.
    bool topDown;
};
