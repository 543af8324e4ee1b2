#pragma once
#include <windows.h>

#include <string>
#include <vector>

// A thin wrapper of a list box handle: each operation is one list-box message,
// sent with SendMessageA unless it carries text. It owns nothing and may be
// copied freely.
class ListBoxControl {
public:
    explicit ListBoxControl(HWND window) : window(window) {}

    int Count() const;
    int GetCurSel() const;
    // -1 clears the selection.
    void SetCurSel(int index) const;
    int GetTopIndex() const;
    void SetTopIndex(int index) const;
    // False, with an empty rectangle, for an index the list box rejects.
    bool GetItemRect(int index, RECT& rect) const;
    int GetItemHeight(int index) const;
    void SetItemHeight(int index, int height) const;
    void ResetContent() const;
    // The list box's own copy of a caption, for screen readers, which read
    // items with LB_GETTEXT: UTF-16 on the NT family, else in the ANSI code
    // page, the character set the list box was made with.
    int AddString(const std::wstring& text) const;

    // The heights of all items in list order.
    std::vector<int> ItemHeights() const;

private:
    HWND window;
};
