#pragma once
#include <windows.h>

#include <string>

#include "controls/control_font.h"
#include "controls/skinned_control.h"

class MainWindow;

// The description of the current menu entry, drawn straight over the dialog's
// picture in the owner-drawn static control 1001. The object keeps the text;
// the control shows it when the dialog forwards its WM_DRAWITEM.
class DescriptionLabel : public SkinnedControl {
public:
    DescriptionLabel() = default;

    void Attach(MainWindow* owner, HWND window);

    // Does not repaint: the owner invalidates the label's area on the dialog,
    // whose picture must be painted under the text first. The control's
    // window text follows, for screen readers.
    void SetText(const std::wstring& text);
    const std::wstring& Text() const { return text; }
    void DrawItem(const DRAWITEMSTRUCT& item);
    // Whether a text fits the label whole, as the label wraps it; a text
    // that does not ends its last visible line with an ellipsis.
    bool Fits(const std::wstring& candidate) const;

private:
    bool FitsIn(HDC dc, const RECT& area, const std::wstring& candidate) const;

    OwnedFont font;
    std::wstring text;
};
