#include "controls/subclassed_window.h"

#include "platform/window_long.h"

void SubclassedWindow::Bind(HWND window, void* object, WNDPROC procedure)
{
    Unbind();
    this->window = window;
    this->object = object;
    SetWindowObject(window, object);
    previous = SubclassWindow(window, procedure);
}

void SubclassedWindow::Unbind()
{
    if (window && IsWindow(window) && GetWindowObject<void>(window) == object) {
        SubclassWindow(window, previous);
        SetWindowObject<void>(window, nullptr);
    }
    window = nullptr;
    object = nullptr;
    previous = nullptr;
}

LRESULT SubclassedWindow::CallPrevious(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return CallWindowProcA(previous, window, message, wParam, lParam);
}
