#include "controls/control_font.h"

LOGFONTA ControlFontDescription(HWND control)
{
    LOGFONTA description = {};
    const HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    if (font)
        GetObjectA(font, sizeof(description), &description);
    return description;
}

HFONT CreateControlFont(HWND control, LONG height)
{
    LOGFONTA description = ControlFontDescription(control);
    description.lfHeight = height;
    return CreateFontIndirectA(&description);
}

void FontDeleter::operator()(HFONT font) const
{
    DeleteObject(font);
}

void CaptionFonts::Create(HWND control, LONG cellHeight)
{
    LOGFONTA description = ControlFontDescription(control);
    description.lfHeight = cellHeight;
    description.lfWeight = FW_BOLD;
    normal.reset(CreateFontIndirectA(&description));
    description.lfUnderline = TRUE;
    underlined.reset(CreateFontIndirectA(&description));
}

void CaptionFonts::Delete()
{
    underlined.reset();
    normal.reset();
}
