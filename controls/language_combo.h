#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "controls/control_font.h"
#include "controls/skinned_control.h"

class MainWindow;

// The owner-drawn drop-down list (control 1004) in which the user picks the
// menu's language. The control keeps no strings (no CBS_HASSTRINGS), so this
// object keeps the item texts, index-aligned with the control's items, and
// draws every item itself in the dialog's font at 11 pixels. It answers the
// requests for its texts from them too, for screen readers.
class LanguageCombo : public SkinnedControl {
public:
    LanguageCombo() = default;

    void Attach(MainWindow* owner, HWND window);

    void Clear();
    // The new item's index, counted by this object from the last Clear.
    int AddItem(const std::wstring& text);
    LRESULT SetItemData(int index, int value);
    int GetItemData(int index);
    LRESULT SetCurSel(int index);
    int GetCurSel() const;

    // The items as filled, in order.
    int Count() const { return static_cast<int>(itemTexts.size()); }
    const std::wstring& ItemText(int index) const { return itemTexts.at(index); }

    void MeasureItem(MEASUREITEMSTRUCT& item);
    void DrawItem(const DRAWITEMSTRUCT& item);

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The chosen language's name, or an empty text.
    std::wstring SelectedText() const;

    OwnedFont itemFont;
    std::vector<std::wstring> itemTexts;
};
