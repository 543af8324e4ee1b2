#include "platform/window_long.h"

#include "platform/text_layer.h"

LONG_PTR SetWindowLongAuto(HWND window, int index, LONG_PTR value)
{
    return IsUnicodePlatform() ? SetWindowLongPtrW(window, index, value)
                               : SetWindowLongPtrA(window, index, value);
}

LONG_PTR GetWindowLongAuto(HWND window, int index)
{
    return IsUnicodePlatform() ? GetWindowLongPtrW(window, index)
                               : GetWindowLongPtrA(window, index);
}

LRESULT SendMessageAuto(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return IsUnicodePlatform() ? SendMessageW(window, message, wParam, lParam)
                               : SendMessageA(window, message, wParam, lParam);
}

WNDPROC SubclassWindow(HWND window, WNDPROC procedure)
{
    return reinterpret_cast<WNDPROC>(
        SetWindowLongAuto(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}
