#include "controls/language_combo.h"

#include "controls/combo_item_style.h"
#include "controls/window_text.h"
#include "graphics/client_dc.h"
#include "graphics/dc_scope.h"
#include "platform/text_layer.h"
#include "platform/window_long.h"

namespace {

// Items are drawn at a character height of 11 pixels.
constexpr LONG kItemFontHeight = -11;
constexpr UINT kItemTextFormat = DT_SINGLELINE | DT_VCENTER;

} // namespace

void LanguageCombo::Attach(MainWindow* owner, HWND window)
{
    Bind(owner, window);
    itemFont.reset(CreateControlFont(window, kItemFontHeight));
    // The system passes an item's text between processes only for a combo
    // whose style says it has strings; a screen reader asks from its own
    // process. The drop-down list inside keeps no strings: the names are
    // answered here, from the item texts.
    const LONG_PTR style = GetWindowLongAuto(window, GWL_STYLE);
    SetWindowLongAuto(window, GWL_STYLE, style | CBS_HASSTRINGS);
}

void LanguageCombo::Clear()
{
    itemTexts.clear();
    SendMessageA(window, CB_RESETCONTENT, 0, 0);
    StoreWindowText(window, std::wstring());
}

int LanguageCombo::AddItem(const std::wstring& text)
{
    itemTexts.push_back(text);
    // The drop-down list keeps no strings: what it gets here stays the item's
    // data until the owner replaces it; the text itself is drawn from
    // itemTexts. The control's answer is not the index: the list here is the
    // reference.
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
    const LRESULT result = SendMessageA(window, CB_SETCURSEL, index, 0);
    // The text the system keeps for the window, which it gives to another
    // process without asking the control; WM_GETTEXT is answered below.
    StoreWindowText(window, SelectedText());
    return result;
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
    SelectedObject font(dc.Handle(), itemFont.get());
    item.itemHeight = GetTextExtentAuto(dc.Handle(), text, static_cast<int>(text.size())).cy;
}

void LanguageCombo::DrawItem(const DRAWITEMSTRUCT& item)
{
    // -1 is the closed field with nothing selected: it stays empty.
    if (static_cast<int>(item.itemID) < 0 || item.itemID >= itemTexts.size())
        return;
    const std::wstring text = itemTexts[item.itemID];
    const HDC dc = item.hDC;

    const ItemColours saved = {GetTextColor(dc), GetBkColor(dc)};
    SelectedObject font(dc, itemFont.get());
    BackgroundMode transparent(dc, TRANSPARENT);

    const ItemColours colours = ComboItemColours(item.itemState, saved);
    SetTextColor(dc, colours.text);
    SetBkColor(dc, colours.background);
    const OwnedBrush fill(CreateSolidBrush(colours.background));
    FillRect(dc, &item.rcItem, fill.get());

    RECT textArea = ComboItemTextArea(item.rcItem);
    DrawTextAuto(dc, text, static_cast<int>(text.size()), textArea, kItemTextFormat);

    SetTextColor(dc, saved.text);
    SetBkColor(dc, saved.background);
}

LRESULT LanguageCombo::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        // The items cover the control when it paints; erasing first would
        // only make it flicker.
        return 1;
    // Screen readers read the chosen language from the window text and the
    // items' names with CB_GETLBTEXT; the control itself keeps no strings.
    case WM_GETTEXT: return CopyTextOut(SelectedText(), wParam, lParam);
    case WM_GETTEXTLENGTH: return TextLengthOut(SelectedText());
    case CB_GETLBTEXT:
        if (wParam >= itemTexts.size())
            return CB_ERR;
        return CopyTextOut(itemTexts[wParam], TextLengthOut(itemTexts[wParam]) + 1, lParam);
    case CB_GETLBTEXTLEN:
        if (wParam >= itemTexts.size())
            return CB_ERR;
        return TextLengthOut(itemTexts[wParam]);
    default: return CallPrevious(message, wParam, lParam);
    }
}

std::wstring LanguageCombo::SelectedText() const
{
    const int selected = GetCurSel();
    if (selected < 0 || selected >= Count())
        return std::wstring();
    return itemTexts[selected];
}
