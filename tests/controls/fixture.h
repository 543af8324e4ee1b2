#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "controls/menu_list.h"
#include "platform/window_long.h"
#include "resources/resource_ids.h"
#include "support/desktop_input.h"
#include "support/message_log.h"
#include "support/running_menu.h"

const HCURSOR kHand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDCUR_POINTING_HAND));
const HCURSOR kArrow = LoadCursorA(nullptr, IDC_ARROW);
constexpr DWORD kComboStyle = CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED;
constexpr DWORD kLinkStyle = SS_OWNERDRAW | SS_NOTIFY;

// The real dialog of a menu in English and German with an exit link, over a
// 640 x 480 picture of kPictureColour, its messages logged. Activations go no
// further, so no command is ever started. List points are in list window
// coordinates.
class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override { Open(3); }
    // Rows "Entry 0" ... "Entry count-1"; the second one's caption replaced
    // by `second` when there is one.
    void Open(int count, const std::string& second = "");
    // As a nested menu refills the list: rows with these markers, before the
    // pointer has moved.
    void Refill(const std::vector<int>& markers);

    HWND List() const { return menu->Control(IDC_MENU_LIST); }
    MenuList& Menu() const { return *GetWindowObject<MenuList>(List()); }
    std::vector<int> CurrentItems() const { return log->Of(UM_CURRENTITEM); }
    int Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return static_cast<int>(SendMessageA(List(), message, wParam, lParam));
    }
    int Top() const { return Send(LB_GETTOPINDEX); }
    int Selection() const { return Send(LB_GETCURSEL); }
    RECT RowRect(int row) const;
    // A point well inside a one-line row's caption.
    POINT OnCaption(int row) const { return POINT{22, RowRect(row).top + 7}; }
    // The list's client or window rectangle, in screen coordinates for the latter.
    RECT Rect(bool client) const;
    int Width() const { return Rect(false).right - Rect(false).left; }
    POINT OnScreen(POINT p) const { return POINT{Rect(false).left + p.x, Rect(false).top + p.y}; }
    int HitCode(POINT point) const { return Send(WM_NCHITTEST, 0, Pack(OnScreen(point))); }
    static LPARAM Pack(POINT point) { return MAKELPARAM(point.x, point.y); }
    // Puts the pointer on a point; the list hears nothing of it.
    void MovePointer(POINT point) const
    {
        MovePointerTo(OnScreen(point), [] {});
    }
    // Moves the pointer and lets the list track it, as a real move would.
    void PointAt(POINT point) const;
    void Key(WPARAM key) const { Send(WM_KEYDOWN, key, 1); }
    void Click(UINT message, POINT point) const
    {
        Send(message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, Pack(point));
    }
    // Repaints what is invalid and copies what the dialog shows over the list.
    Pixels CaptureList() const;

    // The list's scroll bar, once the rows overflow.
    int TrackBottom() const { return Rect(false).bottom - Rect(false).top - 19; }
    POINT OnBar(int y) const { return POINT{Width() - 9, y}; }
    // A press (or the second press of a double click) with the pointer there.
    void Press(POINT point, UINT message = WM_NCLBUTTONDOWN) const
    {
        MovePointer(point);
        Send(message, HitCode(point), Pack(OnScreen(point)));
    }
    // A release; after a press on the bar, where is of no matter.
    void Release() const { Click(WM_LBUTTONUP, POINT{}); }
    void Tick(int count) const
    {
        while (count-- > 0)
            Send(WM_TIMER, 100);
    }
    // The thumb's top and bottom as painted: the rows of the track whose left
    // column has the thumb's edge grey (213) between its two white end pixels.
    std::pair<int, int> PaintedThumb() const;
    // A child control of the test's own in the real dialog, with the dialog's
    // font, for a second control object; the dialog destroys it after the
    // test's objects are gone.
    HWND Extra(const char* className, DWORD style, int width = 150, int height = 30) const;

    std::unique_ptr<RunningMenu> menu;
    std::unique_ptr<MessageLog> log;
};

// What an owner-drawing control object draws over the picture into an item
// of width x height.
template <class Control>
Pixels DrawnBy(Control& object, int width, int height)
{
    return CaptureDrawing(width, height, [&](HDC dc) {
        DRAWITEMSTRUCT item = {};
        item.hDC = dc;
        item.rcItem = RECT{0, 0, width, height};
        object.DrawItem(item);
    });
}
