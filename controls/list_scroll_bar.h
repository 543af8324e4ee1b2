#pragma once
#include <windows.h>

#include "controls/scroll_bar_geometry.h"
#include "graphics/owned_gdi_object.h"

class MenuList;

// The menu list's vertical scroll bar, drawn from bitmaps in the list's
// non-client area: it reserves its column when the rows overflow, paints the
// arrows, the track and the thumb, steps the list while an arrow or the track
// is held and moves the list's top row while the thumb is dragged. The list
// forwards the messages that concern the bar.
class ListScrollBar {
public:
    explicit ListScrollBar(const MenuList& list) : list(list) {}
    ~ListScrollBar();
    ListScrollBar(const ListScrollBar&) = delete;
    ListScrollBar& operator=(const ListScrollBar&) = delete;

    // Loads the bar's bitmaps from the module's resources.
    void Attach(HWND list, HINSTANCE instance);

    // The rows were added, removed or measured again.
    void ForgetRowsHeight() { rowsHeight = -1; }
    bool Overflows() const { return ClientHeight() < TotalHeight(); }
    RECT BarRect() const;

    LRESULT OnNcCalcSize(WPARAM calcValidRects, LPARAM params);
    LRESULT OnNcHitTest(POINT screenPoint);
    LRESULT OnNcPaint(WPARAM updateRegion);
    // The frame and the bar into a device context of the whole window.
    void PaintNonClient(HDC windowDC);
    LRESULT OnNcLeftButtonDown(POINT screenPoint);
    LRESULT OnNcLeftButtonDoubleClick(POINT screenPoint);
    LRESULT OnTimer(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
    LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam);
    // Ends a held arrow or track and a drag of the thumb.
    void StopTracking();

private:
    void StartRepeating();
    void DragThumb(int screenY);
    void PaintArrow(HDC windowDC, const RECT& arrow, HBITMAP normal, HBITMAP pressedImage);
    void PaintTrackAndThumb(HDC windowDC, const ScrollBarLayout& layout);
    void ScrollStep();
    void SetTopIndex(int index);

    int ClientHeight() const;
    int TotalHeight() const;
    bool HasClientEdge() const;
    RECT WindowFrame() const;
    ScrollBarLayout Layout() const;
    ScrollPart HitTestPart(POINT clientPoint) const;
    POINT ToClient(POINT screenPoint) const;
    POINT CursorInClient() const;

    enum BarImage {
        UpArrow,
        UpArrowPressed,
        DownArrow,
        DownArrowPressed,
        ThumbTop,
        ThumbBottom,
        ThumbMiddle,
        kImageCount
    };
    HBITMAP Image(BarImage which) const { return images[which].get(); }

    // Repaints go through the list: the dialog paints its picture first.
    const MenuList& list;
    HWND window = nullptr;
    OwnedBitmap images[kImageCount];
    UINT_PTR timerId = 0;
    bool captured = false;
    int repeatDelay = 0;
    bool pressed = false;
    int dragTop = 0;
    int lastY = 0;
    ScrollPart part = ScrollPart::None;
    // The sum of the rows' heights, or -1 until it is asked for again.
    mutable int rowsHeight = -1;
};
