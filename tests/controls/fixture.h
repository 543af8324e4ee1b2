#pragma once
#include <windows.h>

#include <vector>

#include <gtest/gtest.h>

#include "controls/menu_list.h"
#include "platform/window_long.h"
#include "resources/resource_ids.h"
#include "support/desktop_input.h"
#include "support/message_log.h"
#include "support/running_menu.h"

const HCURSOR kHand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDCUR_POINTING_HAND));
const HCURSOR kArrow = LoadCursorA(nullptr, IDC_ARROW);

// The real dialog of a menu with an exit link, over a 640 x 480 picture of
// kPictureColour, its messages logged. Activations go no further, so no
// command is ever started. List points are in list window coordinates.
class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override { Open(3); }
    // Rows "Entry 0" ... "Entry count-1", the second one's bullet of the
    // secondary kind; once a test.
    void Open(int count)
    {
        // Away from the dialog, and the earlier mouse messages gone: a pointer
        // left over a control by an earlier test would set its hover state.
        MovePointerTo(POINT{2, 2}, Idle);
        PumpAll();
        std::string file = "[Main]\r\nExitText=Exit\r\nPicture=" +
                           RunningMenu::WriteBeside("controls_picture.bmp",
                                                    SolidBitmapFile(640, 480, kPictureColour)) +
                           "\r\n[Language]\r\nLocale=en\r\nName=English\r\n"
                           "[Language]\r\nLocale=de\r\nName=Deutsch\r\n";
        for (int i = 0; i < count; ++i)
            file += "[Element]\r\nCommand=no-such-program.exe\r\nName=Entry " + std::to_string(i) +
                    (i == 1 ? "\r\nMarker=Secondary\r\n" : "\r\n");
        menu.reset(new RunningMenu(file));
        log.reset(new MessageLog(menu->Dialog(), {UM_ACTIVATEITEM}));
    }

    HWND List() const { return menu->Control(IDC_MENU_LIST); }
    MenuList& Menu() const { return *GetWindowObject<MenuList>(List()); }
    std::vector<int> CurrentItems() const { return log->Of(UM_CURRENTITEM); }
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
    // The list's client or window rectangle, in screen coordinates for the latter.
    RECT Rect(bool client) const
    {
        RECT rect;
        client ? GetClientRect(List(), &rect) : GetWindowRect(List(), &rect);
        return rect;
    }
    int Width() const { return Rect(false).right - Rect(false).left; }
    POINT OnScreen(POINT p) const { return POINT{Rect(false).left + p.x, Rect(false).top + p.y}; }
    int HitCode(POINT point) const { return Send(WM_NCHITTEST, 0, Pack(OnScreen(point))); }
    static LPARAM Pack(POINT point) { return MAKELPARAM(point.x, point.y); }
    // Puts the pointer on a point; the list hears nothing of it.
    void MovePointer(POINT point) const { MovePointerTo(OnScreen(point), Idle); }
    static void Idle() {}
    // Moves the pointer and lets the list track it, as a real move would.
    void PointAt(POINT point) const
    {
        MovePointer(point);
        Send(WM_SETCURSOR, reinterpret_cast<WPARAM>(List()),
             MAKELPARAM(HitCode(point), WM_MOUSEMOVE));
    }
    void Key(WPARAM key) const { Send(WM_KEYDOWN, key, 1); }
    void Click(UINT message, POINT point) const { Send(message, 0, Pack(point)); }
    // Repaints what is invalid and copies what the dialog shows over a control.
    Pixels Shown(HWND control) const
    {
        RedrawWindow(menu->Dialog(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        PumpAllButMouse();
        RECT onDialog;
        GetWindowRect(control, &onDialog);
        MapWindowPoints(nullptr, menu->Dialog(), reinterpret_cast<POINT*>(&onDialog), 2);
        return CaptureClient(menu->Dialog(), onDialog);
    }

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
    // A child control of the test's own in the real dialog, for a second
    // control object; the dialog destroys it after the test's objects are gone.
    HWND Extra(const char* className, DWORD style, int width = 150, int height = 30) const
    {
        return CreateWindowExA(0, className, "", WS_CHILD | style, 0, 0, width, height,
                               menu->Dialog(), nullptr, GetModuleHandleA(nullptr), nullptr);
    }

    std::unique_ptr<RunningMenu> menu;
    std::unique_ptr<MessageLog> log;
};
