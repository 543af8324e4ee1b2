#pragma once
#include <windows.h>

#include <memory>
#include <type_traits>

// A GDI object that its holder made or loaded and deletes: when it takes
// another one, when it is reset and when it goes.
struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

template <class Handle>
using OwnedGdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;

using OwnedBitmap = OwnedGdiObject<HBITMAP>;
using OwnedPen = OwnedGdiObject<HPEN>;
using OwnedBrush = OwnedGdiObject<HBRUSH>;
