#pragma once
#include <windows.h>

#include <string>
#include <utility>

#include "controls/control_font.h"
#include "controls/skinned_control.h"
#include "graphics/owned_gdi_object.h"

class MainWindow;

// The clickable exit caption in the lower right of the dialog (owner-drawn
// static control 1005 with SS_NOTIFY): bold right-aligned text with a small
// bullet bitmap after it. Over the text the cursor becomes a hand and the text
// is underlined; releasing the left button over the text sends
// UM_EXITLINKCLICK to the dialog. Only the text's own box reacts.
class ExitLink : public SkinnedControl {
public:
    ExitLink() = default;

    void Attach(MainWindow* owner, HWND window);

    // No bitmap means no bullet and no strip for it.
    void SetBullet(OwnedBitmap bitmap) { bullet = std::move(bitmap); }
    // Does not repaint: the owner repaints the whole dialog after a refresh.
    // The control's window text follows, for screen readers.
    void SetText(const std::wstring& text);
    const std::wstring& Text() const { return text; }
    void DrawItem(const DRAWITEMSTRUCT& item);
    // Whether a point in the control's client coordinates lies in the text.
    bool TextHitTest(POINT point) const;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnFocusChange(bool focused);
    LRESULT OnSetCursor();
    LRESULT OnLeftButtonUp(LPARAM position);

    void SetHighlighted(bool value);
    void InvalidateOnDialog() const;
    SIZE MeasureText() const;

    CaptionFonts fonts;
    std::wstring text;
    bool highlighted = false;
    OwnedBitmap bullet;
};
