#pragma once
#include <windows.h>

// A skinned control's window bound to the object that handles its messages.
// The object sits in the window's user data and the window runs the object's
// static procedure, which finds the object there and forwards to a member;
// whatever the object leaves alone goes on to the procedure the window had.
class SubclassedWindow {
public:
    SubclassedWindow() = default;
    SubclassedWindow(const SubclassedWindow&) = delete;
    SubclassedWindow& operator=(const SubclassedWindow&) = delete;

    // Undoes an earlier binding first. The object is stored before the
    // procedure is replaced: from that moment every message looks for it.
    void Bind(HWND window, void* object, WNDPROC procedure);

    // A window still bound here gets its own procedure back, so that binding
    // it again does not make the object's procedure its own predecessor, and
    // no longer leads to the object. A window destroyed meanwhile, or bound
    // to another object since, is left as it is.
    void Unbind();

    // The procedure the window had before it was bound.
    LRESULT CallPrevious(UINT message, WPARAM wParam, LPARAM lParam) const;

private:
    HWND window = nullptr;
    void* object = nullptr;
    WNDPROC previous = nullptr;
};
