#pragma once
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "support/desktop_input.h"
#include "support/running_menu.h"

constexpr DWORD kComboStyle = CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED;

// The real dialog of a menu in English and German over a 640 x 480 picture of
// kPictureColour; mainKeys are more "[Main]" lines, elements whole
// "[Element]" sections.
class ControlsTest : public ::testing::Test {
protected:
    explicit ControlsTest(const std::string& mainKeys = "", const std::string& elements = "")
        : menu("[Main]\r\nPicture=" +
               RunningMenu::WriteBeside("controls_picture.bmp",
                                        SolidBitmapFile(640, 480, kPictureColour)) +
               "\r\n" + mainKeys +
               "[Language]\r\nLocale=en\r\nName=English\r\n"
               "[Language]\r\nLocale=de\r\nName=Deutsch\r\n" +
               elements)
    {
    }

    // Moves the pointer off the dialog before it is made: a pointer left over
    // a control by an earlier test would set that control's hover state.
    struct ParkedPointer {
        ParkedPointer() { MovePointerTo(POINT{0, 0}, PumpAll); }
    } parked;
    RunningMenu menu;
};

// A child control of the test's own in the real dialog, with the dialog's
// font, for a second control object; declare the object first, so that the
// window goes before the object it leads to.
struct ExtraControl {
    ExtraControl(HWND dialog, const char* className, DWORD style, int width, int height)
        : window(CreateWindowExA(0, className, "", WS_CHILD | style, 0, 0, width, height, dialog,
                                 nullptr, GetModuleHandleA(nullptr), nullptr))
    {
        SendMessageA(window, WM_SETFONT, SendMessageA(dialog, WM_GETFONT, 0, 0), FALSE);
    }
    ~ExtraControl() { DestroyWindow(window); }
    HWND window;
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
