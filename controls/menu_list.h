#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "controls/control_font.h"
#include "controls/list_box_control.h"
#include "controls/scroll_bar_geometry.h"
#include "controls/skinned_control.h"

class MainWindow;

// The dialog's list box turned into the menu: it keeps each row's caption and
// bullet kind, draws the rows over the dialog's picture, tracks the caption
// under the mouse, drives a keyboard selection and tells the dialog which row
// is current and which one the user activated. Its vertical scroll bar is
// drawn from bitmaps in the non-client area and handled here as well.
class MenuList : public SkinnedControl {
public:
    MenuList();
    ~MenuList() override;

    // Binds the object to the dialog's list box: loads the bitmaps, makes the
    // caption fonts and takes over the list's window procedure.
    void Attach(MainWindow* owner, HWND window);

    void Clear();
    // Returns the new row's index.
    int AddItem(const std::wstring& caption, int marker);
    // After filling: reserves the scroll bar if the rows overflow, then wraps
    // every caption to the client width that is left.
    void Relayout();

    int GetCurSel() const;
    // The selected row, else the row whose caption is under the mouse, or -1.
    int GetCurrent() const;

    // While the dialog opens, the focus it gives the list (its first tab
    // stop, then again as it is activated) selects nothing and does not
    // count as the first focus.
    void SetOpening(bool dialogOpening) { opening = dialogOpening; }

    // Forgets the row under the mouse, for rows rebuilt from another menu:
    // the next move over a caption makes it current again.
    void ForgetHover() { hoverIndex = -1; }

    // The rows as filled, in order.
    int Count() const { return static_cast<int>(texts.size()); }
    const std::wstring& ItemText(int index) const { return texts.at(index); }
    int ItemMarker(int index) const { return markers.at(index); }

    // The dialog's owner-draw requests for the list.
    void DrawItem(const DRAWITEMSTRUCT& item);
    void MeasureItem(MEASUREITEMSTRUCT& item);

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    // After a message that moved the top row (the wheel, keys, the bar):
    // the list box scrolled by copying pixels, which puts the rows out of
    // line with the picture and leaves the bar as it was.
    void RedrawIfScrolled(LRESULT previousTop) const;
    LRESULT TopIndexNow() const;
    // Gives a bound window its procedure back and deletes fonts and bitmaps.
    void Detach();

    // Row behaviour.
    LRESULT OnSetFocus(WPARAM wParam, LPARAM lParam);
    LRESULT OnKillFocus(WPARAM wParam, LPARAM lParam);
    LRESULT OnEraseBackground(HDC dc);
    LRESULT OnSetCursor(HWND cursorWindow);
    LRESULT OnKeyDown(WPARAM key, LPARAM lParam);
    LRESULT OnLeftButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnLeftButtonDoubleClick(WPARAM wParam, LPARAM lParam);
    LRESULT OnLeftButtonUp(POINT point);
    LRESULT ActivateSelection(WPARAM key, LPARAM lParam);
    LRESULT MoveUp();
    LRESULT MoveDown();
    // No scrolling needed: the selection moves from the current row to the
    // target, or to the top visible row when no row is current.
    void SelectWithinView(int current, int target, int top);
    void SetHover(int index);

    // Scroll bar behaviour.
    LRESULT OnNcCalcSize(WPARAM calcValidRects, LPARAM params);
    LRESULT OnNcHitTest(POINT screenPoint);
    LRESULT OnNcPaint();
    LRESULT OnPrint(HDC dc, LPARAM flags);
    void PaintNonClient(HDC windowDC);
    LRESULT OnNcLeftButtonDown(POINT screenPoint);
    LRESULT OnNcLeftButtonDoubleClick(POINT screenPoint);
    LRESULT OnTimer(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
    LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam);
    void StartRepeating();
    void DragThumb(int screenY);
    void PaintArrow(HDC windowDC, const RECT& arrow, HBITMAP normal, HBITMAP pressedImage);
    void PaintTrackAndThumb(HDC windowDC, const ScrollBarLayout& layout);
    void ScrollStep();
    void StopTracking();

    // Measurements.
    ListBoxControl ListBox() const { return ListBoxControl(window); }
    // The height a row needs for its caption wrapped to the client width.
    int ItemHeight(int index) const;
    bool HasItem(int index) const { return index >= 0 && index < Count(); }
    RECT MeasureCaption(int index, const RECT& row) const;
    int TextHitTest(POINT point) const;
    int ClientHeight() const;
    int TotalHeight() const;
    bool Overflows() const { return ClientHeight() < TotalHeight(); }
    bool HasClientEdge() const;
    RECT WindowFrame() const;
    RECT ScrollBarRect() const;
    ScrollBarLayout Layout() const;
    ScrollPart HitTestPart(POINT clientPoint) const;
    POINT ToClient(POINT screenPoint) const;
    POINT CursorInClient() const;
    void SetTopIndex(int index);

    // Reports go to the dialog, and so do repaints: it paints its picture
    // first, and the list draws over it.
    void SendToDialog(UINT message, int index) const;
    void InvalidateOnDialog(RECT listRect) const;
    void InvalidateItem(int index) const;
    void InvalidateList() const;

    std::vector<std::wstring> texts;
    std::vector<int> markers;
    CaptionFonts fonts;
    HBITMAP primaryBullet;
    HBITMAP secondaryBullet;
    HBITMAP upArrow;
    HBITMAP upArrowPressed;
    HBITMAP downArrow;
    HBITMAP downArrowPressed;
    HBITMAP thumbTop;
    HBITMAP thumbBottom;
    HBITMAP thumbMiddle;
    int hoverIndex;
    UINT_PTR timerId;
    bool captured;
    int repeatDelay;
    bool pressed;
    int dragTop;
    int lastY;
    ScrollPart part;
    bool firstFocus;
    bool opening;
    // The sum of the rows' heights, or -1 until it is asked for again.
    mutable int rowsHeight = -1;
    // The last left press went down on a caption: its release may activate.
    bool pressOnCaption;
};
