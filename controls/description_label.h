#pragma once
#include <windows.h>

#include <climits>
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

    // Does not repaint. The control's window text follows, for screen
    // readers.
    void SetText(const std::wstring& text);
    // Draws the label again at once, the picture under it first; false when
    // there is no picture, and the owner must have the dialog paint the
    // background under the label.
    bool RepaintNow();
    const std::wstring& Text() const { return text; }
    void DrawItem(const DRAWITEMSTRUCT& item);
    // Whether a text fits the label whole, as the label wraps it; a text
    // that does not ends its last visible line with an ellipsis.
    bool Fits(const std::wstring& candidate) const;

private:
    bool FitsIn(HDC dc, const RECT& area, const std::wstring& candidate) const;
    void DrawTextIn(HDC dc, RECT area);

    OwnedFont font;
    std::wstring text;
    // How far down the last text drawn reached, in client coordinates:
    // below it the label shows the picture as the dialog painted it.
    int inkBottom = INT_MAX;
};
