#pragma once
#include <windows.h>

// The device context of a whole window, non-client area included (the menu
// list paints its own scroll bar there), held from construction to
// destruction. A failed GetWindowDC leaves a null context, which the
// destructor then does not release.
class WindowDC {
public:
    explicit WindowDC(HWND window);
    ~WindowDC();
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC Handle() const { return dc; }

private:
    HWND window;
    HDC dc;
};
