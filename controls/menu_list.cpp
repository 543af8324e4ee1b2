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
#include "graphics/memory_dc.h"
#include "graphics/window_dc.h"
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

template <class Handle>
void DeleteHandle(Handle& handle)
{
    if (handle)
        DeleteObject(handle);
    handle = nullptr;
}

} // namespace

MenuList::MenuList()
    : primaryBullet(nullptr), secondaryBullet(nullptr),
      upArrow(nullptr), upArrowPressed(nullptr), downArrow(nullptr), downArrowPressed(nullptr),
      thumbTop(nullptr), thumbBottom(nullptr), thumbMiddle(nullptr), hoverIndex(-1), timerId(0),
      captured(false), repeatDelay(0), pressed(false), dragTop(0), lastY(0),
      part(ScrollPart::None), firstFocus(true), opening(false), pressOnCaption(false)
{
}

MenuList::~MenuList()
{
    Detach();
}

void MenuList::Detach()
{
    StopTracking();
    // The main window destroys the dialog first, so mostly there is no
    // window left to give its procedure back.
    Unbind();
    fonts.Delete();
    DeleteHandle(primaryBullet);
    DeleteHandle(secondaryBullet);
    DeleteHandle(upArrow);
    DeleteHandle(upArrowPressed);
    DeleteHandle(downArrow);
    DeleteHandle(downArrowPressed);
    DeleteHandle(thumbTop);
    DeleteHandle(thumbBottom);
    DeleteHandle(thumbMiddle);
}

void MenuList::Attach(MainWindow* newOwner, HWND newWindow)
{
    Detach();
    Bind(newOwner, newWindow);

    const HINSTANCE instance = Instance();
    auto load = [instance](int id) { return LoadBitmapA(instance, MAKEINTRESOURCEA(id)); };
    primaryBullet = load(IDB_PRIMARY_BULLET);
    secondaryBullet = load(IDB_SECONDARY_BULLET);
    upArrow = load(IDB_UP_ARROW);
    upArrowPressed = load(IDB_UP_ARROW_PRESSED);
    downArrow = load(IDB_DOWN_ARROW);
    downArrowPressed = load(IDB_DOWN_ARROW_PRESSED);
    thumbTop = load(IDB_THUMB_TOP);
    thumbBottom = load(IDB_THUMB_BOTTOM);
    thumbMiddle = load(IDB_THUMB_MIDDLE);
    fonts.Create(window, kCaptionFontHeight);
}

void MenuList::Clear()
{
    texts.clear();
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
    const RECT text = MeasureCaption(index, row);
    return RowHeightForText(text.bottom - text.top);
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

    // The row shows the picture pixels that the dialog shows under it.
    RECT underRow;
    if (owner->Picture().HasImage() && ListBox().GetItemRect(index, underRow)) {
        MapWindowPoints(window, owner->Dialog(), reinterpret_cast<POINT*>(&underRow), 2);
        RECT dialogClient;
        GetClientRect(owner->Dialog(), &dialogClient);
        owner->Picture().DrawUnder(dc, rowRect, dialogClient, underRow, false);
    }

    const HBITMAP bullet = markers[index] == 0   ? primaryBullet
                           : markers[index] == 1 ? secondaryBullet
                                                 : nullptr;
    CopyBitmap(dc, bullet, rowRect.left + kBulletInset, rowRect.top + kBulletInset, kBulletSize,
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
        rowsHeight = -1;
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
    case WM_SETFOCUS:        return OnSetFocus(wParam, lParam);
    case WM_KILLFOCUS:       return OnKillFocus(wParam, lParam);
    case WM_ERASEBKGND:      return OnEraseBackground(reinterpret_cast<HDC>(wParam));
    case WM_SETCURSOR:       return OnSetCursor(reinterpret_cast<HWND>(wParam));
    case WM_NCCALCSIZE:      return OnNcCalcSize(wParam, lParam);
    case WM_NCHITTEST:       return OnNcHitTest(PointFromLParam(lParam));
    case WM_NCPAINT:         return OnNcPaint();
    case WM_PRINT:           return OnPrint(reinterpret_cast<HDC>(wParam), lParam);
    case WM_NCLBUTTONDOWN:   return OnNcLeftButtonDown(PointFromLParam(lParam));
    case WM_NCLBUTTONDBLCLK: return OnNcLeftButtonDoubleClick(PointFromLParam(lParam));
    case WM_KEYDOWN:         return OnKeyDown(wParam, lParam);
    case WM_TIMER:           return OnTimer(wParam, lParam);
    case WM_MOUSEMOVE:       return OnMouseMove(wParam, lParam);
    case WM_CAPTURECHANGED:  return OnCaptureChanged(wParam, lParam);
    case WM_LBUTTONDOWN:     return OnLeftButtonDown(wParam, lParam);
    case WM_LBUTTONDBLCLK:   return OnLeftButtonDoubleClick(wParam, lParam);
    case WM_LBUTTONUP:       return OnLeftButtonUp(PointFromLParam(lParam));
    // The list box would search its strings for a typed letter and select
    // the row it finds, past the keyboard handling here; its strings are
    // there for screen readers only.
    case WM_CHAR:            return 0;
    default:                 return CallPrevious(message, wParam, lParam);
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
    if (owner && owner->Picture().HasImage()) {
        RECT client;
        GetClientRect(window, &client);
        RECT underList = client;
        MapWindowPoints(window, owner->Dialog(), reinterpret_cast<POINT*>(&underList), 2);
        RECT dialogClient;
        GetClientRect(owner->Dialog(), &dialogClient);
        owner->Picture().DrawUnder(dc, client, dialogClient, underList, false);
    }
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
    InvalidateItem(hoverIndex);
    hoverIndex = index;
    const int selection = GetCurSel();
    if (selection != -1) {
        InvalidateItem(selection);
        ListBox().SetCurSel(-1);
    }
    if (hoverIndex == -1) {
        SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    } else {
        SetCursor(LoadCursorA(Instance(), MAKEINTRESOURCEA(IDCUR_POINTING_HAND)));
        InvalidateItem(hoverIndex);
    }
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
    StopTracking();
    // The list box's own press, which selected the row, took the capture; the
    // release that would end it comes here instead of to the list box.
    if (GetCapture() == window)
        ReleaseCapture();
    InvalidateOnDialog(ScrollBarRect());
    // Released over any caption, as a menu is, once the press was on one.
    const int hit = armed ? TextHitTest(point) : -1;
    if (hit != -1)
        SendToDialog(UM_ACTIVATEITEM, hit);
    return 0;
}

LRESULT MenuList::OnKeyDown(WPARAM key, LPARAM lParam)
{
    switch (key) {
    case VK_RETURN: return ActivateSelection(key, lParam);
    case VK_LEFT:
    case VK_UP:     return MoveUp();
    case VK_RIGHT:
    case VK_DOWN:   return MoveDown();
    default:        return DefWindowProcA(window, WM_KEYDOWN, key, lParam);
    }
}

LRESULT MenuList::ActivateSelection(WPARAM key, LPARAM lParam)
{
    // A row that is only hovered is not activated by Enter, and a held key
    // (its repeats carry bit 30, the key was down before) starts it once.
    const bool repeat = (lParam & (1 << 30)) != 0;
    const int selection = GetCurSel();
    if (selection != -1 && !repeat)
        SendToDialog(UM_ACTIVATEITEM, selection);
    return DefWindowProcA(window, WM_KEYDOWN, key, lParam);
}

LRESULT MenuList::MoveUp()
{
    const int current = GetCurrent();
    if (current == 0)
        return 0;
    const ListBoxControl list = ListBox();
    const int top = list.GetTopIndex();
    if (current == top) {
        // At the top of the view the list scrolls by exactly one row.
        hoverIndex = -1;
        list.SetTopIndex(current - 1);
        list.SetCurSel(current - 1);
        InvalidateList();
    } else {
        SelectWithinView(current, current - 1, top);
    }
    SendToDialog(UM_CURRENTITEM, list.GetCurSel());
    return 0;
}

LRESULT MenuList::MoveDown()
{
    const int current = GetCurrent();
    const int next = current + 1;
    const ListBoxControl list = ListBox();
    if (next >= list.Count())
        return 0;
    const std::vector<int> heights = list.ItemHeights();
    const int top = list.GetTopIndex();
    const int clientHeight = ClientHeight();
    if (RowReachesBottom(heights, top, next, clientHeight)) {
        // Scroll by whole rows until the next row ends inside the view.
        list.SetTopIndex(TopToReveal(heights, top, next, clientHeight));
        list.SetCurSel(next);
        hoverIndex = -1;
        InvalidateList();
    } else {
        SelectWithinView(current, next, top);
    }
    SendToDialog(UM_CURRENTITEM, list.GetCurSel());
    return 0;
}

void MenuList::SelectWithinView(int current, int target, int top)
{
    const ListBoxControl list = ListBox();
    if (current == -1) {
        list.SetCurSel(top);
    } else {
        InvalidateItem(current);
        list.SetCurSel(target);
    }
    hoverIndex = -1;
    InvalidateItem(list.GetCurSel());
}

RECT MenuList::MeasureCaption(int index, const RECT& row) const
{
    RECT text = CaptionBox(row);
    if (!HasItem(index)) {
        text.right = text.left;
        text.bottom = text.top;
        return text;
    }
    ClientDC dc(window);
    SelectedObject font(dc.Handle(), fonts.Normal());
    DrawTextAuto(dc.Handle(), texts[index], -1, text, DT_CALCRECT | kCaptionFormat);
    return text;
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
        const RECT text = MeasureCaption(i, row);
        const SIZE measured{text.right - text.left, text.bottom - text.top};
        return IsOnCaption(row, measured, point) ? i : -1;
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

void MenuList::InvalidateList() const
{
    RECT whole;
    GetWindowRect(window, &whole);
    OffsetRect(&whole, -whole.left, -whole.top);
    InvalidateOnDialog(whole);
}

// ---- The scroll bar in the non-client area ---------------------------------

namespace {

// The bar's auto-repeat: the first step comes with the press, the next ones
// after this many ticks, while the pointer stays over the pressed part.
constexpr UINT_PTR kRepeatTimerId = 100;
constexpr UINT kRepeatInterval = 100;
constexpr int kTicksBeforeRepeat = 5;

constexpr COLORREF kTrackFrameColour = RGB(185, 185, 185);

void DrawLine(HDC dc, int fromX, int fromY, int toX, int toY)
{
    MoveToEx(dc, fromX, fromY, nullptr);
    LineTo(dc, toX, toY);
}

int Sum(const std::vector<int>& values, size_t count)
{
    int sum = 0;
    for (size_t i = 0; i < count && i < values.size(); ++i)
        sum += values[i];
    return sum;
}

} // namespace

int MenuList::ClientHeight() const
{
    RECT client;
    GetClientRect(window, &client);
    return client.bottom - client.top;
}

int MenuList::TotalHeight() const
{
    // Kept from one change of the rows to the next: the bar is painted and
    // hit-tested on every move of the mouse, however many rows there are.
    if (rowsHeight < 0) {
        const std::vector<int> heights = ListBox().ItemHeights();
        rowsHeight = Sum(heights, heights.size());
    }
    return rowsHeight;
}

bool MenuList::HasClientEdge() const
{
    return (GetWindowLongAuto(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
}

RECT MenuList::WindowFrame() const
{
    RECT windowRect;
    GetWindowRect(window, &windowRect);
    return ScrollFrame(windowRect, HasClientEdge());
}

RECT MenuList::ScrollBarRect() const
{
    return ScrollBarRectIn(WindowFrame());
}

ScrollBarLayout MenuList::Layout() const
{
    const ListBoxControl list = ListBox();
    const int top = list.GetTopIndex();
    int above = 0;
    for (int i = 0; i < top; ++i)
        above += list.GetItemHeight(i);
    return LayoutScrollBar(ScrollBarRect(), ClientHeight(), TotalHeight(), above);
}

ScrollPart MenuList::HitTestPart(POINT clientPoint) const
{
    return ::HitTestPart(Layout(), clientPoint);
}

POINT MenuList::ToClient(POINT screenPoint) const
{
    ScreenToClient(window, &screenPoint);
    return screenPoint;
}

POINT MenuList::CursorInClient() const
{
    POINT cursor;
    GetCursorPos(&cursor);
    return ToClient(cursor);
}

LRESULT MenuList::OnNcCalcSize(WPARAM calcValidRects, LPARAM params)
{
    if (!calcValidRects)
        return 0;
    RECT& proposed = reinterpret_cast<NCCALCSIZE_PARAMS*>(params)->rgrc[0];
    if (HasClientEdge())
        InflateRect(&proposed, -1, -1);
    if (proposed.bottom - proposed.top < TotalHeight())
        proposed.right -= kScrollBarReserve;
    return 0;
}

LRESULT MenuList::OnNcHitTest(POINT screenPoint)
{
    const POINT point = ToClient(screenPoint);
    const bool overflow = Overflows();
    const RECT frame = WindowFrame();
    const RECT bar = ScrollBarRectIn(frame);
    if (overflow && PtInRect(&bar, point))
        return HTVSCROLL;
    RECT client = frame;
    if (overflow)
        client.right -= kScrollBarReserve;
    if (PtInRect(&client, point))
        return HTCLIENT;
    RECT windowRect;
    GetWindowRect(window, &windowRect);
    OffsetRect(&windowRect, -windowRect.left, -windowRect.top);
    return PtInRect(&windowRect, point) ? HTBORDER : HTNOWHERE;
}

LRESULT MenuList::OnNcPaint()
{
    WindowDC dc(window);
    PaintNonClient(dc.Handle());
    return 0;
}

LRESULT MenuList::OnPrint(HDC dc, LPARAM flags)
{
    // Printed, the bar goes into the given context as it goes on the screen;
    // the list box then erases and paints its client area, from the client's
    // own origin inside the window.
    if (flags & PRF_NONCLIENT)
        PaintNonClient(dc);
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

void MenuList::PaintNonClient(HDC windowDC)
{
    if (HasClientEdge()) {
        RECT windowRect;
        GetWindowRect(window, &windowRect);
        SelectedObject noFill(windowDC, GetStockObject(NULL_BRUSH));
        Rectangle(windowDC, 0, 0, windowRect.right - windowRect.left,
                  windowRect.bottom - windowRect.top);
    }
    if (Overflows()) {
        const ScrollBarLayout layout = Layout();
        PaintArrow(windowDC, layout.upArrow, upArrow, upArrowPressed);
        PaintTrackAndThumb(windowDC, layout);
        PaintArrow(windowDC, layout.downArrow, downArrow, downArrowPressed);
    }
}

void MenuList::PaintArrow(HDC windowDC, const RECT& arrow, HBITMAP normal, HBITMAP pressedImage)
{
    const POINT cursor = CursorInClient();
    const bool showPressed = pressed && PtInRect(&arrow, cursor);
    CopyBitmap(windowDC, showPressed ? pressedImage : normal, arrow.left, arrow.top,
               kScrollBarWidth, kArrowHeight);
}

void MenuList::PaintTrackAndThumb(HDC windowDC, const ScrollBarLayout& layout)
{
    // A grey frame inside the track; its outer rows and its inside are left
    // alone, so the picture shows there.
    const RECT& track = layout.track;
    const HPEN framePen = CreatePen(PS_SOLID, 1, kTrackFrameColour);
    {
        SelectedObject pen(windowDC, framePen);
        DrawLine(windowDC, track.left, track.top + 2, track.left, track.bottom - 2);
        DrawLine(windowDC, track.right - 1, track.top + 2, track.right - 1, track.bottom - 2);
        DrawLine(windowDC, track.left, track.top + 1, track.right, track.top + 1);
        DrawLine(windowDC, track.left, track.bottom - 2, track.right, track.bottom - 2);
    }
    DeleteObject(framePen);

    RECT thumb = layout.thumb;
    if (captured && part == ScrollPart::Thumb)
        OffsetRect(&thumb, 0, dragTop - thumb.top);
    const ThumbSlices slices = SliceThumb(thumb.bottom - thumb.top);
    CopyBitmap(windowDC, thumbTop, thumb.left, thumb.top, kScrollBarWidth, slices.topRows);
    CopyBitmap(windowDC, thumbBottom, thumb.left, thumb.bottom - slices.bottomRows,
               kScrollBarWidth, slices.bottomRows, kThumbEdgeRows - slices.bottomRows);
    if (slices.middleRows > 0 && thumbMiddle) {
        MemoryDC memory(windowDC);
        SelectedObject middle(memory.Handle(), thumbMiddle);
        StretchBlt(windowDC, thumb.left, thumb.top + kThumbEdgeRows, kScrollBarWidth,
                   slices.middleRows, memory.Handle(), 0, 0, kScrollBarWidth, kThumbEdgeRows, SRCCOPY);
    }
}

LRESULT MenuList::OnNcLeftButtonDown(POINT screenPoint)
{
    part = HitTestPart(ToClient(screenPoint));
    if (part == ScrollPart::Thumb) {
        SetCapture(window);
        captured = true;
        lastY = screenPoint.y;
        pressed = true;
        dragTop = Layout().thumb.top;
    } else if (IsStepPart(part)) {
        StartRepeating();
        ScrollStep();
    }
    // The pressed arrow shows at once, also where the step changes nothing.
    if (part != ScrollPart::None)
        InvalidateOnDialog(ScrollBarRect());
    return 0;
}

void MenuList::StartRepeating()
{
    if (timerId != 0) {
        KillTimer(window, timerId);
        timerId = 0;
    }
    timerId = SetTimer(window, kRepeatTimerId, kRepeatInterval, nullptr);
    SetCapture(window);
    captured = true;
    repeatDelay = kTicksBeforeRepeat;
    pressed = true;
}

LRESULT MenuList::OnNcLeftButtonDoubleClick(POINT screenPoint)
{
    // The second press of a double click steps once more and does not repeat.
    part = HitTestPart(ToClient(screenPoint));
    if (IsStepPart(part)) {
        StopTracking();
        ScrollStep();
    }
    return 0;
}

LRESULT MenuList::OnTimer(WPARAM wParam, LPARAM lParam)
{
    DefWindowProcA(window, WM_TIMER, wParam, lParam);
    // A tick still queued when the press ended must not step.
    if (wParam != kRepeatTimerId || timerId == 0)
        return 0;
    if (repeatDelay > 0) {
        --repeatDelay;
        return 0;
    }
    if (HitTestPart(CursorInClient()) == part)
        ScrollStep();
    return 0;
}

LRESULT MenuList::OnMouseMove(WPARAM wParam, LPARAM lParam)
{
    DefWindowProcA(window, WM_MOUSEMOVE, wParam, lParam);
    if (captured && part == ScrollPart::Thumb) {
        POINT point = PointFromLParam(lParam);
        ClientToScreen(window, &point);
        DragThumb(point.y);
    }
    return 0;
}

void MenuList::DragThumb(int screenY)
{
    const int delta = screenY - lastY;
    // The pointer's position is remembered even when the thumb could not
    // follow it, so moving back moves the thumb at once.
    lastY = screenY;
    if (delta == 0)
        return;
    const ScrollBarLayout layout = Layout();
    if (!ThumbMoveFits(layout, dragTop, delta))
        return;
    dragTop += delta;
    const int row = RowAtContentOffset(ListBox().ItemHeights(), ContentOffsetOfThumb(layout, dragTop));
    if (row != -1)
        SetTopIndex(row);
    InvalidateOnDialog(layout.track);
}

LRESULT MenuList::OnCaptureChanged(WPARAM wParam, LPARAM lParam)
{
    DefWindowProcA(window, WM_CAPTURECHANGED, wParam, lParam);
    StopTracking();
    return 0;
}

void MenuList::ScrollStep()
{
    const ListBoxControl list = ListBox();
    const int top = list.GetTopIndex();
    switch (part) {
    case ScrollPart::UpArrow:
        if (top > 0)
            SetTopIndex(top - 1);
        break;
    case ScrollPart::PageUp:
        if (top > 0)
            SetTopIndex(PageUpTarget(list.ItemHeights(), top, ClientHeight()));
        break;
    case ScrollPart::PageDown: {
        // No row ends above the client bottom: the list stays where it is.
        const int target = PageDownTarget(list.ItemHeights(), top, ClientHeight());
        if (target != -1)
            SetTopIndex(target);
        break;
    }
    case ScrollPart::DownArrow:
        if (CanStepDown(list.ItemHeights(), top, ClientHeight()))
            SetTopIndex(top + 1);
        break;
    case ScrollPart::Thumb:
    case ScrollPart::None:
        break;
    }
}

void MenuList::SetTopIndex(int index)
{
    ListBox().SetTopIndex(index);
    InvalidateList();
}

void MenuList::StopTracking()
{
    if (timerId != 0) {
        KillTimer(window, timerId);
        timerId = 0;
    }
    if (captured) {
        // Cleared first: releasing the capture sends WM_CAPTURECHANGED, which
        // comes back here. A capture that another window has taken meanwhile
        // is not ours to release.
        captured = false;
        if (GetCapture() == window)
            ReleaseCapture();
    }
    pressed = false;
    repeatDelay = 0;
}
