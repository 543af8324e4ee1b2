#include "controls/list_scroll_bar.h"

#include <vector>

#include "controls/bitmap_copy.h"
#include "controls/list_box_control.h"
#include "controls/menu_list.h"
#include "graphics/dc_scope.h"
#include "graphics/memory_dc.h"
#include "graphics/window_dc.h"
#include "platform/message_point.h"
#include "platform/window_long.h"
#include "resources/resource_ids.h"

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

ListScrollBar::~ListScrollBar()
{
    StopTracking();
}

void ListScrollBar::Attach(HWND list, HINSTANCE instance)
{
    StopTracking();
    window = list;
    rowsHeight = -1;
    static const WORD ids[kImageCount] = {
        IDB_UP_ARROW,  IDB_UP_ARROW_PRESSED, IDB_DOWN_ARROW,  IDB_DOWN_ARROW_PRESSED,
        IDB_THUMB_TOP, IDB_THUMB_BOTTOM,     IDB_THUMB_MIDDLE};
    for (int i = 0; i < kImageCount; ++i)
        images[i].reset(LoadBitmapA(instance, MAKEINTRESOURCEA(ids[i])));
}

int ListScrollBar::ClientHeight() const
{
    RECT client;
    GetClientRect(window, &client);
    return client.bottom - client.top;
}

RECT ListScrollBar::BarRect() const
{
    return ScrollBarRectIn(WindowFrame());
}

void ListScrollBar::SetTopIndex(int index)
{
    ListBoxControl(window).SetTopIndex(index);
    list.InvalidateList();
}

int ListScrollBar::TotalHeight() const
{
    // Kept from one change of the rows to the next: the bar is painted and
    // hit-tested on every move of the mouse, however many rows there are.
    if (rowsHeight < 0) {
        const std::vector<int> heights = ListBoxControl(window).ItemHeights();
        rowsHeight = Sum(heights, heights.size());
    }
    return rowsHeight;
}

bool ListScrollBar::HasClientEdge() const
{
    return (GetWindowLongAuto(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
}

RECT ListScrollBar::WindowFrame() const
{
    RECT windowRect;
    GetWindowRect(window, &windowRect);
    return ScrollFrame(windowRect, HasClientEdge());
}

ScrollBarLayout ListScrollBar::Layout() const
{
    const ListBoxControl list = ListBoxControl(window);
    const int top = list.GetTopIndex();
    int above = 0;
    for (int i = 0; i < top; ++i)
        above += list.GetItemHeight(i);
    return LayoutScrollBar(BarRect(), ClientHeight(), TotalHeight(), above);
}

ScrollPart ListScrollBar::HitTestPart(POINT clientPoint) const
{
    return ::HitTestPart(Layout(), clientPoint);
}

POINT ListScrollBar::ToClient(POINT screenPoint) const
{
    ScreenToClient(window, &screenPoint);
    return screenPoint;
}

POINT ListScrollBar::CursorInClient() const
{
    POINT cursor;
    GetCursorPos(&cursor);
    return ToClient(cursor);
}

LRESULT ListScrollBar::OnNcCalcSize(WPARAM calcValidRects, LPARAM params)
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

LRESULT ListScrollBar::OnNcHitTest(POINT screenPoint)
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

LRESULT ListScrollBar::OnNcPaint(WPARAM updateRegion)
{
    // A row repainted on the dialog reaches the list's frame too; the bar is
    // drawn again only when the update covers part of it (1: all of it).
    if (updateRegion > 1 && !HasClientEdge()) {
        RECT bar = BarRect();
        RECT windowRect;
        GetWindowRect(window, &windowRect);
        OffsetRect(&bar, windowRect.left, windowRect.top);
        if (!RectInRegion(reinterpret_cast<HRGN>(updateRegion), &bar))
            return 0;
    }
    WindowDC dc(window);
    PaintNonClient(dc.Handle());
    return 0;
}

void ListScrollBar::PaintNonClient(HDC windowDC)
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
        PaintArrow(windowDC, layout.upArrow, Image(UpArrow), Image(UpArrowPressed));
        PaintTrackAndThumb(windowDC, layout);
        PaintArrow(windowDC, layout.downArrow, Image(DownArrow), Image(DownArrowPressed));
    }
}

void ListScrollBar::PaintArrow(HDC windowDC, const RECT& arrow, HBITMAP normal,
                               HBITMAP pressedImage)
{
    const POINT cursor = CursorInClient();
    const bool showPressed = pressed && PtInRect(&arrow, cursor);
    CopyBitmap(windowDC, showPressed ? pressedImage : normal, arrow.left, arrow.top,
               kScrollBarWidth, kArrowHeight);
}

void ListScrollBar::PaintTrackAndThumb(HDC windowDC, const ScrollBarLayout& layout)
{
    // A grey frame inside the track; its outer rows and its inside are left
    // alone, so the picture shows there.
    const RECT& track = layout.track;
    const OwnedPen framePen(CreatePen(PS_SOLID, 1, kTrackFrameColour));
    {
        SelectedObject pen(windowDC, framePen.get());
        DrawLine(windowDC, track.left, track.top + 2, track.left, track.bottom - 2);
        DrawLine(windowDC, track.right - 1, track.top + 2, track.right - 1, track.bottom - 2);
        DrawLine(windowDC, track.left, track.top + 1, track.right, track.top + 1);
        DrawLine(windowDC, track.left, track.bottom - 2, track.right, track.bottom - 2);
    }

    RECT thumb = layout.thumb;
    if (captured && part == ScrollPart::Thumb)
        OffsetRect(&thumb, 0, dragTop - thumb.top);
    const ThumbSlices slices = SliceThumb(thumb.bottom - thumb.top);
    CopyBitmap(windowDC, Image(ThumbTop), thumb.left, thumb.top, kScrollBarWidth, slices.topRows);
    CopyBitmap(windowDC, Image(ThumbBottom), thumb.left, thumb.bottom - slices.bottomRows,
               kScrollBarWidth, slices.bottomRows, kThumbEdgeRows - slices.bottomRows);
    if (slices.middleRows > 0 && Image(ThumbMiddle)) {
        MemoryDC memory(windowDC);
        SelectedObject middle(memory.Handle(), Image(ThumbMiddle));
        StretchBlt(windowDC, thumb.left, thumb.top + kThumbEdgeRows, kScrollBarWidth,
                   slices.middleRows, memory.Handle(), 0, 0, kScrollBarWidth, kThumbEdgeRows,
                   SRCCOPY);
    }
}

LRESULT ListScrollBar::OnNcLeftButtonDown(POINT screenPoint)
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
        list.InvalidateOnDialog(BarRect());
    return 0;
}

void ListScrollBar::StartRepeating()
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

LRESULT ListScrollBar::OnNcLeftButtonDoubleClick(POINT screenPoint)
{
    // The second press of a double click steps once more and does not repeat.
    part = HitTestPart(ToClient(screenPoint));
    if (IsStepPart(part)) {
        StopTracking();
        ScrollStep();
    }
    return 0;
}

LRESULT ListScrollBar::OnTimer(WPARAM wParam, LPARAM lParam)
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

LRESULT ListScrollBar::OnMouseMove(WPARAM wParam, LPARAM lParam)
{
    DefWindowProcA(window, WM_MOUSEMOVE, wParam, lParam);
    if (captured && part == ScrollPart::Thumb) {
        POINT point = PointFromLParam(lParam);
        ClientToScreen(window, &point);
        DragThumb(point.y);
    }
    return 0;
}

void ListScrollBar::DragThumb(int screenY)
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
    const int row = RowAtContentOffset(ListBoxControl(window).ItemHeights(),
                                       ContentOffsetOfThumb(layout, dragTop));
    if (row != -1)
        SetTopIndex(row);
    list.InvalidateOnDialog(layout.track);
}

LRESULT ListScrollBar::OnCaptureChanged(WPARAM wParam, LPARAM lParam)
{
    DefWindowProcA(window, WM_CAPTURECHANGED, wParam, lParam);
    StopTracking();
    return 0;
}

void ListScrollBar::ScrollStep()
{
    const ListBoxControl list = ListBoxControl(window);
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
    case ScrollPart::None: break;
    }
}

void ListScrollBar::StopTracking()
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
