#include "graphics/window_dc.h"

WindowDC::WindowDC(HWND window) : window(window), dc(GetWindowDC(window)) {}

WindowDC::~WindowDC()
{
    if (dc != nullptr)
        ReleaseDC(window, dc);
}
