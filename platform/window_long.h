#pragma once
#include <windows.h>

// Window user data and window procedures are read and written with the UTF-16
// calls on the NT family and the ANSI calls elsewhere, so that a subclassed
// control keeps the character set its class was registered with. The calls
// are the pointer-sized ones: on 32-bit Windows they are the same functions
// as SetWindowLong/GetWindowLong, on 64-bit they keep the whole pointer.
LONG_PTR SetWindowLongAuto(HWND window, int index, LONG_PTR value);
LONG_PTR GetWindowLongAuto(HWND window, int index);
LRESULT SendMessageAuto(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Stores an object pointer in the window's user data and reads it back.
template <class T>
void SetWindowObject(HWND window, T* object)
{
    SetWindowLongAuto(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
}

template <class T>
T* GetWindowObject(HWND window)
{
    return reinterpret_cast<T*>(GetWindowLongAuto(window, GWLP_USERDATA));
}

// Replaces a control's window procedure and returns the previous one.
WNDPROC SubclassWindow(HWND window, WNDPROC procedure);
