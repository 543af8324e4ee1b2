#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "controls/menu_list.h"
#include "platform/window_long.h"
#include "support/desktop_input.h"
#include "support/message_log.h"
#include "support/running_menu.h"

// The real menu dialog with a list of the given captions over a plain picture.
// Activations are logged but go no further, so no command is ever started.
// Points are in list window coordinates.
class MenuListTest : public ::testing::Test {
protected:
    void Open(const std::vector<std::string>& captions);
    // "Entry 0", "Entry 1", ...: one line each.
    void Open(int rows);
    void Refill(const std::vector<int>& markers);
    void TearDown() override;

    HWND List() const { return menu->Control(1000); }
    MenuList& Menu() const { return *GetWindowObject<MenuList>(List()); }
    std::vector<int> CurrentItems() const { return log->Of(UM_CURRENTITEM); }
    std::vector<int> Activations() const { return log->Of(UM_ACTIVATEITEM); }
    int Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return static_cast<int>(SendMessageA(List(), message, wParam, lParam));
    }
    int Top() const { return Send(LB_GETTOPINDEX); }
    int Selection() const { return Send(LB_GETCURSEL); }
    RECT RowRect(int row) const
    {
        RECT rect{};
        Send(LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
        return rect;
    }
    // A point well inside a one-line row's caption.
    POINT OnCaption(int row) const { return POINT{22, RowRect(row).top + 7}; }
    RECT Rect(bool client) const;
    RECT ClientRect() const { return Rect(true); }
    RECT ScreenRect() const { return Rect(false); }
    POINT OnScreen(POINT point) const
    {
        return POINT{ScreenRect().left + point.x, ScreenRect().top + point.y};
    }
    int HitCode(POINT point) const { return Send(WM_NCHITTEST, 0, Pack(OnScreen(point))); }
    static LPARAM Pack(POINT point) { return MAKELPARAM(point.x, point.y); }

    // Puts the pointer on a point; the list hears nothing of it.
    void MovePointer(POINT point)
    {
        MovePointerTo(OnScreen(point), [] {});
    }
    // Moves the pointer and lets the list track it, as a real move would.
    void PointAt(POINT point)
    {
        MovePointer(point);
        Send(WM_SETCURSOR, reinterpret_cast<WPARAM>(List()),
             MAKELPARAM(HitCode(point), WM_MOUSEMOVE));
    }
    void Key(WPARAM key) const { Send(WM_KEYDOWN, key, 1); }
    void Click(UINT message, POINT point) const
    {
        Send(message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, Pack(point));
    }
    // Repaints what is invalid and copies what the dialog shows over the list.
    Pixels CaptureList();

    std::unique_ptr<RunningMenu> menu;
    std::unique_ptr<MessageLog> log;
};

// Thirty one-line rows, more than the list shows, scrolled to the top.
class ScrollingListTest : public MenuListTest {
protected:
    void SetUp() override;

    int BarLeft() const { return ScreenRect().right - ScreenRect().left - 17; }
    int TrackBottom() const { return ScreenRect().bottom - ScreenRect().top - 19; }
    POINT UpArrow() const { return POINT{BarLeft() + 8, 9}; }
    POINT DownArrow() const { return POINT{BarLeft() + 8, TrackBottom() + 9}; }
    POINT LowTrack() const { return POINT{BarLeft() + 8, TrackBottom() - 3}; }
    // A press (or the second press of a double click) with the pointer there.
    void Press(POINT point, UINT message = WM_NCLBUTTONDOWN)
    {
        MovePointer(point);
        Send(message, HitCode(point), Pack(OnScreen(point)));
    }
    // A release wherever the pointer is.
    void Release();
    void Tick(int count) const
    {
        while (count-- > 0)
            Send(WM_TIMER, 100);
    }
    void DragTo(POINT point)
    {
        MovePointer(point);
        Send(WM_MOUSEMOVE, MK_LBUTTON, Pack(point));
    }
    // The thumb's top and bottom as painted: the rows of the track whose left
    // column has the thumb's edge grey (213) between its two white end pixels.
    std::pair<int, int> PaintedThumb();
};
