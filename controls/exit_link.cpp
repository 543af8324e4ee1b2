#include "controls/exit_link.h"

#include "app/application.h"
#include "app/dispatch_guard.h"
#include "app/main_window.h"
#include "controls/control_font.h"
#include "controls/exit_link_layout.h"
#include "graphics/client_dc.h"
#include "graphics/memory_dc.h"
#include "platform/text_layer.h"
#include "platform/window_long.h"
#include "resources/resource_ids.h"

namespace {

// A cell height of 16 pixels, bold; the highlighted font is the same, underlined.
constexpr LONG kFontHeight = 16;
constexpr UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_RIGHT;

} // namespace

ExitLink::~ExitLink()
{
    Release();
}

void ExitLink::Attach(MainWindow* owner, HWND window)
{
    Unbind();
    this->owner = owner;
    this->window = window;
    SetWindowObject(window, this);
    previousProc = SubclassWindow(window, ExitLinkProc);

    LOGFONTA description = ControlFontDescription(window);
    description.lfHeight = kFontHeight;
    description.lfWeight = FW_BOLD;
    normalFont = CreateFontIndirectA(&description);
    description.lfUnderline = TRUE;
    highlightedFont = CreateFontIndirectA(&description);
}

void ExitLink::Unbind()
{
    // Bound before: the window gets its own procedure back, so that binding
    // it again does not make this procedure its own predecessor, and the
    // fonts made for it go. The bullet and the text stay.
    if (window && GetWindowObject<ExitLink>(window) == this) {
        SubclassWindow(window, previousProc);
        SetWindowObject<ExitLink>(window, nullptr);
    }
    DeleteFonts();
}

void ExitLink::Release()
{
    SetBullet(nullptr);
    DeleteFonts();
    text.clear();
}

void ExitLink::DeleteFonts()
{
    if (highlightedFont) {
        DeleteObject(highlightedFont);
        highlightedFont = nullptr;
    }
    if (normalFont) {
        DeleteObject(normalFont);
        normalFont = nullptr;
    }
}

void ExitLink::SetBullet(HBITMAP bitmap)
{
    if (bullet && bullet != bitmap)
        DeleteObject(bullet);
    bullet = bitmap;
}

void ExitLink::SetText(const std::wstring& text)
{
    this->text = text;
}

void ExitLink::DrawItem(const DRAWITEMSTRUCT& item)
{
    const HDC dc = item.hDC;
    RECT textArea = ExitLinkTextArea(item.rcItem, bullet != nullptr);
    if (bullet)
        DrawBullet(dc, textArea);

    // No colours are set: the text takes the colour the system prepared.
    const HGDIOBJ previousFont = SelectObject(dc, highlighted ? highlightedFont : normalFont);
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    DrawTextAuto(dc, text, static_cast<int>(text.size()), textArea, kTextFormat);
    SetBkMode(dc, previousMode);
    SelectObject(dc, previousFont);
}

void ExitLink::DrawBullet(HDC dc, const RECT& textArea) const
{
    // Copied opaque: its white corners show over the picture.
    MemoryDC memory(dc);
    const HGDIOBJ previousBitmap = SelectObject(memory.Handle(), bullet);
    const POINT origin = ExitLinkBulletOrigin(textArea);
    BitBlt(dc, origin.x, origin.y, kExitBulletSize, kExitBulletSize, memory.Handle(), 0, 0, SRCCOPY);
    SelectObject(memory.Handle(), previousBitmap);
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
    const HGDIOBJ previousFont = SelectObject(dc.Handle(), normalFont);
    DrawTextAuto(dc.Handle(), text, -1, measured, DT_CALCRECT | DT_SINGLELINE | DT_RIGHT);
    SelectObject(dc.Handle(), previousFont);
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

LRESULT CALLBACK ExitLink::ExitLinkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return GuardDispatch([&]() -> LRESULT {
        ExitLink* link = GetWindowObject<ExitLink>(window);
        if (!link)
            return DefWindowProcA(window, message, wParam, lParam);
        return link->HandleMessage(message, wParam, lParam);
    });
}

LRESULT ExitLink::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETFOCUS:   return OnFocusChange(true);
    case WM_KILLFOCUS:  return OnFocusChange(false);
    case WM_SETCURSOR:  return OnSetCursor();
    case WM_LBUTTONUP:  return OnLeftButtonUp(lParam);
    default:            return CallWindowProcA(previousProc, window, message, wParam, lParam);
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
        SetCursor(LoadCursorA(owner->Owner()->Instance(), MAKEINTRESOURCEA(IDCUR_POINTING_HAND)));
    else
        SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    SetHighlighted(overText);
    return TRUE;
}

LRESULT ExitLink::OnLeftButtonUp(LPARAM position)
{
    // Where the button went down does not matter, only where it comes up.
    const POINT point = {LOWORD(position), HIWORD(position)};
    if (TextHitTest(point))
        SendMessageA(owner->Dialog(), UM_EXITLINKCLICK, 0, 0);
    return 0;
}
