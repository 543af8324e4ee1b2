#include "controls/exit_link.h"

#include "app/main_window.h"
#include "controls/bitmap_copy.h"
#include "controls/exit_link_layout.h"
#include "controls/private_messages.h"
#include "controls/window_text.h"
#include "graphics/client_dc.h"
#include "graphics/dc_scope.h"
#include "platform/message_point.h"
#include "platform/text_layer.h"
#include "resources/resource_ids.h"

namespace {

// A cell height of 16 pixels, bold; the highlighted font is the same, underlined.
constexpr LONG kFontHeight = 16;
constexpr UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_RIGHT;

} // namespace

void ExitLink::Attach(MainWindow* owner, HWND window)
{
    // Attached again, the link keeps its bullet and its text.
    Bind(owner, window);
    fonts.Create(window, kFontHeight);
    StoreWindowText(window, text);
}

void ExitLink::SetText(const std::wstring& text)
{
    this->text = text;
    // Screen readers name the link by its window text.
    StoreWindowText(window, text);
}

void ExitLink::DrawItem(const DRAWITEMSTRUCT& item)
{
    const HDC dc = item.hDC;
    RECT textArea = ExitLinkTextArea(item.rcItem, bullet != nullptr);
    // Copied opaque: its white corners show over the picture.
    const POINT origin = ExitLinkBulletOrigin(textArea);
    CopyBitmap(dc, bullet.get(), origin.x, origin.y, kExitBulletSize, kExitBulletSize);

    // No colours are set: the text takes the colour the system prepared.
    SelectedObject font(dc, highlighted ? fonts.Underlined() : fonts.Normal());
    BackgroundMode transparent(dc, TRANSPARENT);
    DrawTextAuto(dc, text, static_cast<int>(text.size()), textArea, kTextFormat);
}

bool ExitLink::TextHitTest(POINT point) const
{
    RECT control = {};
    GetClientRect(window, &control);
    const RECT box = ExitLinkTextBox(control, MeasureText(), bullet != nullptr);
    return PtInRect(&box, point) != FALSE;
}

SIZE ExitLink::MeasureText() const
{
    // The whole text, measured in the font it is drawn in when not
    // highlighted; an empty text measures zero wide and so never hits.
    // DT_VCENTER is left out: DrawText applies the centring to a measured
    // rectangle too, which would add the space above the text to its height.
    RECT measured = {};
    GetClientRect(window, &measured);
    ClientDC dc(window);
    SelectedObject font(dc.Handle(), fonts.Normal());
    DrawTextAuto(dc.Handle(), text, -1, measured, DT_CALCRECT | DT_SINGLELINE | DT_RIGHT);
    return SIZE{measured.right - measured.left, measured.bottom - measured.top};
}

void ExitLink::SetHighlighted(bool value)
{
    if (highlighted == value)
        return;
    highlighted = value;
    InvalidateOnDialog();
}

void ExitLink::InvalidateOnDialog() const
{
    // The link draws no background: the dialog must paint its picture there
    // first, and the control is then drawn again over it.
    const HWND dialog = owner->Dialog();
    RECT area;
    GetClientRect(window, &area);
    MapWindowPoints(window, dialog, reinterpret_cast<POINT*>(&area), 2);
    InvalidateRect(dialog, &area, FALSE);
}

LRESULT ExitLink::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETFOCUS: return OnFocusChange(true);
    case WM_KILLFOCUS: return OnFocusChange(false);
    case WM_SETCURSOR: return OnSetCursor();
    case WM_LBUTTONUP: return OnLeftButtonUp(lParam);
    default: return CallPrevious(message, wParam, lParam);
    }
}

LRESULT ExitLink::OnFocusChange(bool focused)
{
    // Unlike the hover update this repaints even when the state stays.
    highlighted = focused;
    InvalidateOnDialog();
    return 0;
}

LRESULT ExitLink::OnSetCursor()
{
    // Where the cursor is now, not what the message says: the message's
    // parameters only tell the hit-test area.
    POINT position;
    GetCursorPos(&position);
    ScreenToClient(window, &position);
    const bool overText = TextHitTest(position);
    if (overText)
        SetCursor(LoadCursorA(Instance(), MAKEINTRESOURCEA(IDCUR_POINTING_HAND)));
    else
        SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    SetHighlighted(overText);
    return TRUE;
}

LRESULT ExitLink::OnLeftButtonUp(LPARAM position)
{
    // Where the button went down does not matter, only where it comes up.
    const POINT point = PointFromLParam(position);
    if (TextHitTest(point))
        SendMessageA(owner->Dialog(), UM_EXITLINKCLICK, 0, 0);
    return 0;
}
