#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "controls/control_font.h"
#include "controls/list_box_control.h"
#include "controls/list_scroll_bar.h"
#include "controls/skinned_control.h"
#include "graphics/bitmap_source.h"

class MainWindow;

// The dialog's list box turned into the menu: it keeps each row's caption and
// bullet kind, draws the rows over the dialog's picture, tracks the caption
// under the mouse, drives a keyboard selection and tells the dialog which row
// is current and which one the user activated. Its vertical scroll bar, a
// ListScrollBar, lives in the non-client area.
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

    // Repaints a part of the list, or all of it, where the dialog shows it:
    // the dialog paints its picture first, and the list draws over it.
    void InvalidateOnDialog(RECT listRect) const;
    void InvalidateList() const;

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

    LRESULT OnPrint(HDC dc, LPARAM flags);

    // Measurements.
    ListBoxControl ListBox() const { return ListBoxControl(window); }
    // The height a row needs for its caption wrapped to the client width.
    int ItemHeight(int index) const;
    bool HasItem(int index) const { return index >= 0 && index < Count(); }
    SIZE CaptionSize(int index, const RECT& row) const;
    int TextHitTest(POINT point) const;
    int ClientHeight() const;

    // Reports go to the dialog, and so do repaints, which paint its picture
    // first and the list over it; only a change of hover over a picture
    // draws its rows at once.
    void SendToDialog(UINT message, int index) const;
    void InvalidateItem(int index) const;
    void RepaintRowsNow(int previous, int current);
    void DrawRowNow(HDC dc, int index);

    std::vector<std::wstring> texts;
    std::vector<int> markers;
    struct MeasuredCaption {
        int rowWidth = -1;
        SIZE size = {0, 0};
    };
    mutable std::vector<MeasuredCaption> measuredCaptions;
    CaptionFonts fonts;
    ListScrollBar scrollBar;
    BitmapSource primaryBullet;
    BitmapSource secondaryBullet;
    HCURSOR arrowCursor = nullptr; // shared cursors: we don't own them
    HCURSOR handCursor = nullptr;
    int hoverIndex;
    bool firstFocus;
    bool opening;
    // The last left press went down on a caption: its release may activate.
    bool pressOnCaption;
};
