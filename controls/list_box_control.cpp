#include "controls/list_box_control.h"

#include "platform/text_layer.h"

int ListBoxControl::Count() const
{
    return static_cast<int>(SendMessageA(window, LB_GETCOUNT, 0, 0));
}

int ListBoxControl::GetCurSel() const
{
    return static_cast<int>(SendMessageA(window, LB_GETCURSEL, 0, 0));
}

void ListBoxControl::SetCurSel(int index) const
{
    SendMessageA(window, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int ListBoxControl::GetTopIndex() const
{
    return static_cast<int>(SendMessageA(window, LB_GETTOPINDEX, 0, 0));
}

void ListBoxControl::SetTopIndex(int index) const
{
    SendMessageA(window, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
}

bool ListBoxControl::GetItemRect(int index, RECT& rect) const
{
    rect = RECT{};
    const LRESULT result = SendMessageA(window, LB_GETITEMRECT, static_cast<WPARAM>(index),
                                        reinterpret_cast<LPARAM>(&rect));
    if (result != LB_ERR)
        return true;
    rect = RECT{};
    return false;
}

int ListBoxControl::GetItemHeight(int index) const
{
    return static_cast<int>(SendMessageA(window, LB_GETITEMHEIGHT, static_cast<WPARAM>(index), 0));
}

void ListBoxControl::SetItemHeight(int index, int height) const
{
    SendMessageA(window, LB_SETITEMHEIGHT, static_cast<WPARAM>(index), MAKELPARAM(height, 0));
}

void ListBoxControl::ResetContent() const
{
    SendMessageA(window, LB_RESETCONTENT, 0, 0);
}

int ListBoxControl::AddString(const std::wstring& text) const
{
    if (IsUnicodePlatform()) {
        const LPARAM wide = reinterpret_cast<LPARAM>(text.c_str());
        return static_cast<int>(SendMessageW(window, LB_ADDSTRING, 0, wide));
    }
    const std::string ansi = WideToAnsi(text);
    return static_cast<int>(
        SendMessageA(window, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ansi.c_str())));
}

std::vector<int> ListBoxControl::ItemHeights() const
{
    const int count = Count();
    std::vector<int> heights;
    heights.reserve(count > 0 ? count : 0);
    for (int i = 0; i < count; ++i)
        heights.push_back(GetItemHeight(i));
    return heights;
}
