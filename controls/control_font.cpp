#include "controls/control_font.h"

LOGFONTA ControlFontDescription(HWND control)
{
    LOGFONTA description = {};
    const HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    if (font)
        GetObjectA(font, sizeof(description), &description);
    return description;
}
