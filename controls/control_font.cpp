#include "controls/control_font.h"

#include "platform/text_layer.h"

BYTE ControlFontCharset(bool unicodePlatform, BYTE dialogCharset, UINT ansiCodePage)
{
    if (unicodePlatform)
        return dialogCharset;
    CHARSETINFO info = {};
    // TCI_SRCCODEPAGE takes the code page itself in place of the pointer.
    if (!TranslateCharsetInfo(reinterpret_cast<DWORD*>(static_cast<DWORD_PTR>(ansiCodePage)), &info,
                              TCI_SRCCODEPAGE))
        return DEFAULT_CHARSET;
    return static_cast<BYTE>(info.ciCharset);
}

LOGFONTA ControlFontDescription(HWND control)
{
    LOGFONTA description = {};
    const HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    if (font)
        GetObjectA(font, sizeof(description), &description);
    description.lfCharSet =
        ControlFontCharset(IsUnicodePlatform(), description.lfCharSet, GetACP());
    return description;
}

HFONT CreateControlFont(HWND control, LONG height)
{
    LOGFONTA description = ControlFontDescription(control);
    description.lfHeight = height;
    return CreateFontIndirectA(&description);
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
