#pragma once
#include <windows.h>

#include "graphics/owned_gdi_object.h"

// A bitmap that is copied often, kept selected in a memory DC of its own for
// as long as it is held: a copy is then one BitBlt. Under Wine, making and
// deleting a memory DC for each copy costs more than the copy itself, and a
// change of the row under the mouse copies two bullets.
class BitmapSource {
public:
    BitmapSource() = default;
    ~BitmapSource();
    BitmapSource(const BitmapSource&) = delete;
    BitmapSource& operator=(const BitmapSource&) = delete;

    // Takes the bitmap over; a null one, or one that no DC takes, leaves the
    // source empty.
    void Reset(HBITMAP taken = nullptr);

    // Copies width x height pixels 1:1 and opaque from the bitmap's
    // top-left corner to a place on the target; an empty source copies
    // nothing.
    void CopyTo(HDC target, int x, int y, int width, int height) const;

private:
    OwnedBitmap bitmap;
    HDC memory = nullptr;       // ours: deleted with the source
    HGDIOBJ original = nullptr; // the DC's own bitmap, selected back before it goes
};
