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
// The tests see every UM_CURRENTITEM and UM_ACTIVATEITEM that reaches the
// dialog; activations go no further, so no command is ever started. Points
// are in list window coordinates.
class MenuListTest : public ::testing::Test {
protected:
    void Open(const std::vector<std::string>& captions);
    // "Entry 0", "Entry 1", ...: one line each.
    void Open(int rows);
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
    int RowHeight(int row) const { return Send(LB_GETITEMHEIGHT, row); }
    RECT RowRect(int row) const
    {
        RECT rect{};
        Send(LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
        return rect;
    }
    // A point well inside a one-line row's caption.
    POINT OnCaption(int row) const { return POINT{22, RowRect(row).top + 7}; }
    RECT ClientRect() const
    {
        RECT client;
        GetClientRect(List(), &client);
        return client;
    }
    RECT ScreenRect() const
    {
        RECT whole;
        GetWindowRect(List(), &whole);
        return whole;
    }
    RECT WindowRect() const { return RECT{0, 0, ScreenRect().right - ScreenRect().left, ScreenRect().bottom - ScreenRect().top}; }
    POINT OnScreen(POINT point) const { return POINT{ScreenRect().left + point.x, ScreenRect().top + point.y}; }
    int HitCode(POINT point) const { return Send(WM_NCHITTEST, 0, Pack(OnScreen(point))); }
    static LPARAM Pack(POINT point) { return MAKELPARAM(point.x, point.y); }

    // Puts the pointer on a point; the list hears nothing of it.
    void MovePointer(POINT point) { MovePointerTo(OnScreen(point), [] {}); }
    // Moves the pointer and lets the list track it, as a real move would.
    void PointAt(POINT point)
    {
        MovePointer(point);
        Send(WM_SETCURSOR, reinterpret_cast<WPARAM>(List()), MAKELPARAM(HitCode(point), WM_MOUSEMOVE));
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
    static int Height(const RECT& rect) { return rect.bottom - rect.top; }

    RECT Bar() const { return RECT{WindowRect().right - 17, 0, WindowRect().right, WindowRect().bottom}; }
    RECT Track() const { return RECT{Bar().left, 19, Bar().right, Bar().bottom - 19}; }
    POINT UpArrow() const { return POINT{Bar().left + 8, 9}; }
    POINT DownArrow() const { return POINT{Bar().left + 8, Bar().bottom - 10}; }
    POINT LowTrack() const { return POINT{Bar().left + 8, Track().bottom - 3}; }
    // A press (or the second press of a double click) with the pointer there.
    void Press(POINT point, UINT message = WM_NCLBUTTONDOWN)
    {
        MovePointer(point);
        Send(message, HitCode(point), Pack(OnScreen(point)));
    }
    // A release wherever the pointer is.
    void Release();
    void Tick(int count) const { while (count-- > 0) Send(WM_TIMER, 100); }
    void DragTo(POINT point)
    {
        MovePointer(point);
        Send(WM_MOUSEMOVE, MK_LBUTTON, Pack(point));
    }
    // The thumb as painted: the rows of the track whose left column has the
    // thumb's edge grey (213) between its two white end pixels.
    RECT PaintedThumb();
};
