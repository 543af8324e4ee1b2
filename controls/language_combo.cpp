#include "controls/language_combo.h"

#include "app/dispatch_guard.h"
#include "controls/combo_item_style.h"
#include "controls/control_font.h"
#include "graphics/client_dc.h"
#include "platform/text_layer.h"
#include "platform/window_long.h"

namespace {

// Items are drawn at a character height of 11 pixels.
constexpr LONG kItemFontHeight = -11;
constexpr UINT kItemTextFormat = DT_SINGLELINE | DT_VCENTER;

} // namespace

LanguageCombo::~LanguageCombo()
{
    Release();
}

void LanguageCombo::Attach(MainWindow* owner, HWND window)
{
    Unbind();
    this->owner = owner;
    this->window = window;
    // The object first: from the moment the procedure is replaced, every
    // message looks for it there.
    SetWindowObject(window, this);
    previousProc = SubclassWindow(window, LanguageComboProc);

    LOGFONTA description = ControlFontDescription(window);
    description.lfHeight = kItemFontHeight;
    itemFont = CreateFontIndirectA(&description);
}

void LanguageCombo::Unbind()
{
    // Bound before: the window gets its own procedure back, so that binding
    // it again does not make this procedure its own predecessor, and the font
    // made for it goes.
    if (window && GetWindowObject<LanguageCombo>(window) == this) {
        SubclassWindow(window, previousProc);
        SetWindowObject<LanguageCombo>(window, nullptr);
    }
    if (itemFont) {
        DeleteObject(itemFont);
        itemFont = nullptr;
    }
}

void LanguageCombo::Release()
{
    if (itemFont) {
        DeleteObject(itemFont);
        itemFont = nullptr;
    }
    itemTexts.clear();
}

void LanguageCombo::Clear()
{
    itemTexts.clear();
    SendMessageA(window, CB_RESETCONTENT, 0, 0);
}

int LanguageCombo::AddItem(const std::wstring& text)
{
    itemTexts.push_back(text);
    // Without CBS_HASSTRINGS the control keeps lParam as the item's data until
    // the owner replaces it; the text itself is drawn from itemTexts. The
    // control's answer is not the index: the list here is the reference.
    SendMessageA(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(itemTexts.back().c_str()));
    return static_cast<int>(itemTexts.size()) - 1;
}

LRESULT LanguageCombo::SetItemData(int index, int value)
{
    return SendMessageA(window, CB_SETITEMDATA, index, value);
}

int LanguageCombo::GetItemData(int index)
{
    return static_cast<int>(SendMessageA(window, CB_GETITEMDATA, index, 0));
}

LRESULT LanguageCombo::SetCurSel(int index)
{
    return SendMessageA(window, CB_SETCURSEL, index, 0);
}

int LanguageCombo::GetCurSel() const
{
    return static_cast<int>(SendMessageA(window, CB_GETCURSEL, 0, 0));
}

void LanguageCombo::MeasureItem(MEASUREITEMSTRUCT& item)
{
    // The selection field asks with -1; only real items have a text.
    if (item.itemID == static_cast<UINT>(-1) || item.itemID >= itemTexts.size())
        return;
    const std::wstring& text = itemTexts[item.itemID];
    ClientDC dc(window);
    const HGDIOBJ previousFont = SelectObject(dc.Handle(), itemFont);
    item.itemHeight = GetTextExtentAuto(dc.Handle(), text, static_cast<int>(text.size())).cy;
    SelectObject(dc.Handle(), previousFont);
}

void LanguageCombo::DrawItem(const DRAWITEMSTRUCT& item)
{
    // -1 is the closed field with nothing selected: it stays empty.
    if (static_cast<int>(item.itemID) < 0 || item.itemID >= itemTexts.size())
        return;
    const std::wstring text = itemTexts[item.itemID];
    const HDC dc = item.hDC;

    const ItemColours saved = {GetTextColor(dc), GetBkColor(dc)};
    const HGDIOBJ previousFont = SelectObject(dc, itemFont);
    const int previousMode = SetBkMode(dc, TRANSPARENT);

    const ItemColours colours = ComboItemColours(item.itemState, saved);
    SetTextColor(dc, colours.text);
    SetBkColor(dc, colours.background);
    const HBRUSH fill = CreateSolidBrush(colours.background);
    FillRect(dc, &item.rcItem, fill);
    DeleteObject(fill);

    RECT textArea = ComboItemTextArea(item.rcItem);
    DrawTextAuto(dc, text, static_cast<int>(text.size()), textArea, kItemTextFormat);

    SetBkMode(dc, previousMode);
    SelectObject(dc, previousFont);
    SetTextColor(dc, saved.text);
    SetBkColor(dc, saved.background);
}

LRESULT CALLBACK LanguageCombo::LanguageComboProc(HWND window, UINT message, WPARAM wParam,
                                                  LPARAM lParam)
{
    return GuardDispatch([&]() -> LRESULT {
        LanguageCombo* combo = GetWindowObject<LanguageCombo>(window);
        if (!combo)
            return DefWindowProcA(window, message, wParam, lParam);
        return combo->HandleMessage(message, wParam, lParam);
    });
}

LRESULT LanguageCombo::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        // The items cover the control when it paints; erasing first would
        // only make it flicker.
        return 1;
    default:
        return CallWindowProcA(previousProc, window, message, wParam, lParam);
    }
}
