#pragma once
#include <windows.h>

#include <vector>

// A thin wrapper of a list box handle: each operation is one list-box message,
// always sent with SendMessageA. It owns nothing and may be copied freely.
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
    // The captions live elsewhere: the list box holds empty strings only.
    int AddEmptyString() const;

    // The heights of all items in list order.
    std::vector<int> ItemHeights() const;

private:
    HWND window;
};
