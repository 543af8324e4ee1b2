#pragma once
#include <windows.h>

// The description of the font a dialog control was given (WM_GETFONT), as the
// skinned controls derive their own fonts from it: each changes a few members
// and creates its font with CreateFontIndirectA. All members are zero when the
// control has no font of its own.
LOGFONTA ControlFontDescription(HWND control);
