#include "controls/menu_list.h"

#include <algorithm>

#include "app/main_window.h"
#include "controls/bitmap_copy.h"
#include "controls/list_keyboard.h"
#include "controls/menu_row_layout.h"
#include "controls/private_messages.h"
#include "graphics/client_dc.h"
#include "graphics/dc_scope.h"
#include "graphics/draw_surface.h"
#include "platform/message_point.h"
#include "platform/text_layer.h"
#include "platform/window_long.h"
#include "resources/resource_ids.h"

namespace {

// Measuring and drawing use the same flags, so a caption wraps alike in both;
// without DT_SINGLELINE the text starts at the row's top edge.
constexpr UINT kCaptionFormat = DT_WORDBREAK | DT_VCENTER;

// The messages after which the rows' heights may differ.
bool ChangesRowHeights(UINT message)
{
    return message == LB_ADDSTRING || message == LB_INSERTSTRING || message == LB_DELETESTRING ||
           message == LB_RESETCONTENT || message == LB_SETITEMHEIGHT || message == LB_SETCOUNT;
}

} // namespace

MenuList::MenuList()
    : scrollBar(*this), hoverIndex(-1), firstFocus(true), opening(false), pressOnCaption(false)
{
}

MenuList::~MenuList()
{
    Detach();
}

void MenuList::Detach()
{
    // The bar's timer and capture end while the window is still bound. The
    // main window destroys the dialog first, so mostly there is no window
    // left to give its procedure back.
    scrollBar.StopTracking();
    Unbind();
    fonts.Delete();
    primaryBullet.Reset();
    secondaryBullet.Reset();
}

void MenuList::Attach(MainWindow* newOwner, HWND newWindow)
{
    Detach();
    Bind(newOwner, newWindow);

    const HINSTANCE instance = Instance();
    primaryBullet.Reset(LoadBitmapForCopying(instance, IDB_PRIMARY_BULLET));
    secondaryBullet.Reset(LoadBitmapForCopying(instance, IDB_SECONDARY_BULLET));
    arrowCursor = LoadCursorA(nullptr, IDC_ARROW);
    handCursor = LoadCursorA(instance, MAKEINTRESOURCEA(IDCUR_POINTING_HAND));
    scrollBar.Attach(window, instance);
    fonts.Create(window, kCaptionFontHeight);
}

void MenuList::Clear()
{
    texts.clear();
    measuredCaptions.clear();
    markers.clear();
    ListBox().ResetContent();
}

int MenuList::AddItem(const std::wstring& caption, int marker)
{
    // The caption is stored first: adding the string makes the list measure
    // the new row at once. The rows are drawn from texts; the list box's own
    // copy is what a screen reader reads.
    texts.push_back(caption);
    markers.push_back(marker);
    measuredCaptions.emplace_back();
    ListBox().AddString(caption);
    return Count() - 1;
}

void MenuList::Relayout()
{
    if (!window)
        return;
    // Recomputes the frame, which reserves the scroll bar when the rows as
    // measured so far overflow; then every caption wraps to what is left.
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    for (int i = 0; i < Count(); ++i)
        ListBox().SetItemHeight(i, ItemHeight(i));
}

int MenuList::GetCurSel() const
{
    return ListBox().GetCurSel();
}

int MenuList::GetCurrent() const
{
    return CurrentRow(GetCurSel(), hoverIndex, Count());
}

int MenuList::ItemHeight(int index) const
{
    RECT row;
    ListBox().GetItemRect(index, row);
    return RowHeightForText(CaptionSize(index, row).cy);
}

void MenuList::MeasureItem(MEASUREITEMSTRUCT& item)
{
    const int index = static_cast<int>(item.itemID);
    if (!window || index < 0)
        return;
    item.itemHeight = static_cast<UINT>(ItemHeight(index));
}

void MenuList::DrawItem(const DRAWITEMSTRUCT& item)
{
    const int index = static_cast<int>(item.itemID);
    if (!owner || !HasItem(index))
        return;
    const HDC dc = item.hDC;
    const RECT& rowRect = item.rcItem;
    // The list box asks for every visible row whenever any part of it is
    // painted; a row outside the part being painted stays as it is, which
    // keeps a change of the hovered row from drawing the whole list again.
    RECT painted;
    RECT overlap;
    if (GetClipBox(dc, &painted) != ERROR && !IntersectRect(&overlap, &painted, &rowRect))
        return;

    // The row shows the picture pixels that the dialog shows under it.
    RECT underRow;
    if (ListBox().GetItemRect(index, underRow))
        PaintPictureUnder(dc, rowRect, underRow);

    const BitmapSource* bullet = markers[index] == 0   ? &primaryBullet
                                 : markers[index] == 1 ? &secondaryBullet
                                                       : nullptr;
    if (bullet)
        bullet->CopyTo(dc, rowRect.left + kBulletInset, rowRect.top + kBulletInset, kBulletSize,
                       kBulletSize);

    SelectedObject font(dc, index == GetCurrent() ? fonts.Underlined() : fonts.Normal());
    BackgroundMode transparent(dc, TRANSPARENT);
    RECT box = CaptionBox(rowRect);
    DrawTextAuto(dc, texts[index], -1, box, kCaptionFormat);
}

LRESULT MenuList::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT top = TopIndexNow();
    const LRESULT result = Dispatch(message, wParam, lParam);
    RedrawIfScrolled(top);
    if (ChangesRowHeights(message))
        scrollBar.ForgetRowsHeight();
    return result;
}

LRESULT MenuList::TopIndexNow() const
{
    // Asked of the list box's own procedure: sent to the window, the
    // question would come back through this one.
    return window ? CallPrevious(LB_GETTOPINDEX, 0, 0) : LB_ERR;
}

void MenuList::RedrawIfScrolled(LRESULT previousTop) const
{
    if (window && IsWindow(window) && TopIndexNow() != previousTop)
        InvalidateList();
}

LRESULT MenuList::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    // A press on the scroll bar makes no release an activation.
    if (message == WM_NCLBUTTONDOWN || message == WM_NCLBUTTONDBLCLK)
        pressOnCaption = false;
    switch (message) {
    case WM_SETFOCUS: return OnSetFocus(wParam, lParam);
    case WM_KILLFOCUS: return OnKillFocus(wParam, lParam);
    case WM_ERASEBKGND: return OnEraseBackground(reinterpret_cast<HDC>(wParam));
    case WM_SETCURSOR: return OnSetCursor(reinterpret_cast<HWND>(wParam));
    case WM_NCCALCSIZE: return scrollBar.OnNcCalcSize(wParam, lParam);
    case WM_NCHITTEST: return scrollBar.OnNcHitTest(PointFromLParam(lParam));
    case WM_NCPAINT: return scrollBar.OnNcPaint(wParam);
    case WM_PRINT: return OnPrint(reinterpret_cast<HDC>(wParam), lParam);
    case WM_NCLBUTTONDOWN: return scrollBar.OnNcLeftButtonDown(PointFromLParam(lParam));
    case WM_NCLBUTTONDBLCLK: return scrollBar.OnNcLeftButtonDoubleClick(PointFromLParam(lParam));
    case WM_KEYDOWN: return OnKeyDown(wParam, lParam);
    case WM_TIMER: return scrollBar.OnTimer(wParam, lParam);
    case WM_MOUSEMOVE: return scrollBar.OnMouseMove(wParam, lParam);
    case WM_CAPTURECHANGED: return scrollBar.OnCaptureChanged(wParam, lParam);
    case WM_LBUTTONDOWN: return OnLeftButtonDown(wParam, lParam);
    case WM_LBUTTONDBLCLK: return OnLeftButtonDoubleClick(wParam, lParam);
    case WM_LBUTTONUP: return OnLeftButtonUp(PointFromLParam(lParam));
    // The list box would search its strings for a typed letter and select
    // the row it finds, past the keyboard handling here; its strings are
    // there for screen readers only.
    case WM_CHAR: return 0;
    default: return CallPrevious(message, wParam, lParam);
    }
}

LRESULT MenuList::OnSetFocus(WPARAM wParam, LPARAM lParam)
{
    // The dialog gives the list the focus as it opens; only a later return of
    // the focus, by the keyboard or a click, selects the top visible row.
    if (opening) {
        // Not the user's doing: the dialog is still being made.
    } else if (firstFocus) {
        firstFocus = false;
    } else if (GetCurSel() == -1 && ListBox().Count() > 0) {
        ListBox().SetCurSel(ListBox().GetTopIndex());
        InvalidateItem(GetCurSel());
        SendToDialog(UM_CURRENTITEM, GetCurSel());
    }
    return DefWindowProcA(window, WM_SETFOCUS, wParam, lParam);
}

LRESULT MenuList::OnKillFocus(WPARAM wParam, LPARAM lParam)
{
    // The underline goes, the description stays.
    const int current = GetCurrent();
    if (current != -1)
        InvalidateItem(current);
    if (GetCurSel() == -1)
        hoverIndex = -1;
    else
        ListBox().SetCurSel(-1);
    return DefWindowProcA(window, WM_KILLFOCUS, wParam, lParam);
}

LRESULT MenuList::OnEraseBackground(HDC dc)
{
    RECT client;
    GetClientRect(window, &client);
    PaintPictureUnder(dc, client, client);
    return 1;
}

LRESULT MenuList::OnSetCursor(HWND cursorWindow)
{
    POINT point;
    GetCursorPos(&point);
    ScreenToClient(cursorWindow, &point);
    const int hit = TextHitTest(point);
    if (hit == hoverIndex)
        return TRUE;
    SetHover(hit);
    return TRUE;
}

void MenuList::SetHover(int index)
{
    // Hovering and the keyboard selection exclude each other.
    const int previous = hoverIndex;
    hoverIndex = index;
    const int selection = GetCurSel();
    if (selection != -1) {
        InvalidateItem(selection);
        ListBox().SetCurSel(-1);
    }
    SetCursor(hoverIndex == -1 ? arrowCursor : handCursor);
    RepaintRowsNow(previous, hoverIndex);
    SendToDialog(UM_CURRENTITEM, hoverIndex);
}

LRESULT MenuList::OnLeftButtonDown(WPARAM wParam, LPARAM lParam)
{
    // Only a press that went down on a caption makes the release an
    // activation; the list box still selects the row under the pointer.
    pressOnCaption = TextHitTest(PointFromLParam(lParam)) != -1;
    return CallPrevious(WM_LBUTTONDOWN, wParam, lParam);
}

LRESULT MenuList::OnLeftButtonDoubleClick(WPARAM wParam, LPARAM lParam)
{
    // The second press of a double click follows a release that activated
    // already, and the row under it may by now belong to a nested menu.
    pressOnCaption = false;
    return CallPrevious(WM_LBUTTONDBLCLK, wParam, lParam);
}

LRESULT MenuList::OnLeftButtonUp(POINT point)
{
    const bool armed = pressOnCaption;
    pressOnCaption = false;
    scrollBar.StopTracking();
    // The list box's own press, which selected the row, took the capture; the
    // release that would end it comes here instead of to the list box.
    if (GetCapture() == window)
        ReleaseCapture();
    InvalidateOnDialog(scrollBar.BarRect());
    // Released over any caption, as a menu is, once the press was on one.
    const int hit = armed ? TextHitTest(point) : -1;
    if (hit != -1)
        SendToDialog(UM_ACTIVATEITEM, hit);
    return 0;
}

SIZE MenuList::CaptionSize(int index, const RECT& row) const
{
    if (!HasItem(index))
        return SIZE{0, 0};
    // Measured once for each width of the rows: the hit test asks on every
    // move of the pointer.
    MeasuredCaption& known = measuredCaptions[static_cast<size_t>(index)];
    const int rowWidth = row.right - row.left;
    if (known.rowWidth != rowWidth) {
        RECT text = CaptionBox(row);
        ClientDC dc(window);
        SelectedObject font(dc.Handle(), fonts.Normal());
        DrawTextAuto(dc.Handle(), texts[index], -1, text, DT_CALCRECT | kCaptionFormat);
        known.rowWidth = rowWidth;
        known.size = SIZE{text.right - text.left, text.bottom - text.top};
    }
    return known.size;
}

int MenuList::TextHitTest(POINT point) const
{
    // Only the first row that contains the point is looked at; only the
    // rows from the top one down to the client's bottom can contain it.
    const int clientHeight = ClientHeight();
    for (int i = (std::max)(ListBox().GetTopIndex(), 0); i < Count(); ++i) {
        RECT row;
        if (!ListBox().GetItemRect(i, row) || row.top >= clientHeight)
            break;
        if (!PtInRect(&row, point))
            continue;
        return IsOnCaption(row, CaptionSize(i, row), point) ? i : -1;
    }
    return -1;
}

void MenuList::SendToDialog(UINT message, int index) const
{
    SendMessageA(owner->Dialog(), message, static_cast<WPARAM>(index), 0);
}

void MenuList::InvalidateOnDialog(RECT listRect) const
{
    const HWND dialog = owner ? owner->Dialog() : nullptr;
    if (!dialog)
        return;
    MapWindowPoints(window, dialog, reinterpret_cast<POINT*>(&listRect), 2);
    InvalidateRect(dialog, &listRect, FALSE);
}

void MenuList::InvalidateItem(int index) const
{
    RECT row;
    if (HasItem(index) && ListBox().GetItemRect(index, row))
        InvalidateOnDialog(row);
}

void MenuList::RepaintRowsNow(int previous, int current)
{
    // A change of hover draws its two rows at once, picture and caption,
    // straight onto the list: a paint through the dialog would draw the
    // picture under them twice and cost a paint cycle of each window.
    // Without a picture the dialog's background shows under the rows, so the
    // dialog paints them.
    if (!owner->Picture().HasImage()) {
        InvalidateItem(previous);
        InvalidateItem(current);
        return;
    }
    ClientDC dc(window);
    DrawRowNow(dc.Handle(), previous);
    DrawRowNow(dc.Handle(), current);
}

void MenuList::DrawRowNow(HDC dc, int index)
{
    RECT row;
    RECT client;
    RECT visible;
    if (!HasItem(index) || !ListBox().GetItemRect(index, row))
        return;
    GetClientRect(window, &client);
    if (!IntersectRect(&visible, &row, &client))
        return;
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_LISTBOX;
    item.CtlID = IDC_MENU_LIST;
    item.itemID = static_cast<UINT>(index);
    item.itemAction = ODA_DRAWENTIRE;
    item.hwndItem = window;
    item.hDC = dc;
    item.rcItem = row;
    DrawItem(item);
}

void MenuList::InvalidateList() const
{
    RECT whole;
    GetWindowRect(window, &whole);
    OffsetRect(&whole, -whole.left, -whole.top);
    InvalidateOnDialog(whole);
}

int MenuList::ClientHeight() const
{
    RECT client;
    GetClientRect(window, &client);
    return client.bottom - client.top;
}

LRESULT MenuList::OnPrint(HDC dc, LPARAM flags)
{
    // Printed, the bar goes into the given context as it goes on the screen;
    // the list box then erases and paints its client area, from the client's
    // own origin inside the window.
    if (flags & PRF_NONCLIENT)
        scrollBar.PaintNonClient(dc);
    POINT client = {0, 0};
    ClientToScreen(window, &client);
    RECT windowRect;
    GetWindowRect(window, &windowRect);
    POINT previous;
    OffsetViewportOrgEx(dc, client.x - windowRect.left, client.y - windowRect.top, &previous);
    const LRESULT result = CallPrevious(WM_PRINT, reinterpret_cast<WPARAM>(dc),
                                        flags & ~static_cast<LPARAM>(PRF_NONCLIENT));
    SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
    return result;
}
