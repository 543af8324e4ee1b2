#pragma once
#include <windows.h>

// How the language combo draws one item, without any window.

struct ItemColours {
    COLORREF text;
    COLORREF background;
};

// A selected item, in the open list and in the closed field alike, takes the
// system highlight colours; any other item keeps the colours that the device
// context carries, so the control's own colour choice shows.
ItemColours ComboItemColours(UINT itemState, const ItemColours& current);

// The item's text starts 2 pixels in from its left edge.
RECT ComboItemTextArea(const RECT& item);
