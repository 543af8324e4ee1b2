#pragma once
#include <windows.h>

#include "graphics/owned_gdi_object.h"

// The description of the font a dialog control was given (WM_GETFONT), as the
// skinned controls derive their own fonts from it: each changes a few members
// and creates its font with CreateFontIndirectA. All members but the character
// set are zero when the control has no font of its own.
LOGFONTA ControlFontDescription(HWND control);

// The character set of the fonts the controls make. On the ANSI path text
// reaches DrawTextA in the system's ANSI code page, and Windows 9x reads
// those bytes through the code page of the font's character set: the
// dialog font's own (Cyrillic in the template) would draw a Western a-umlaut
// as a Cyrillic letter. So there the set of the ANSI code page is taken,
// DEFAULT_CHARSET when the system knows none for it; on the Unicode path the
// dialog font's set stays.
BYTE ControlFontCharset(bool unicodePlatform, BYTE dialogCharset, UINT ansiCodePage);

// The control's font at another height: a negative one is the character
// height, a positive one the cell height.
HFONT CreateControlFont(HWND control, LONG height);

// A font that its holder made and deletes: when it takes another one, when it
// is reset and when it goes.
using OwnedFont = OwnedGdiObject<HFONT>;

// The bold caption font of the exit link and the menu rows, with a fixed cell
// height, and its underlined twin for the caption that is current. Both keep
// the control font's face.
class CaptionFonts {
public:
    void Create(HWND control, LONG cellHeight);
    void Delete();

    HFONT Normal() const { return normal.get(); }
    HFONT Underlined() const { return underlined.get(); }

private:
    OwnedFont normal;
    OwnedFont underlined;
};
