#pragma once
#include <windows.h>

class MainWindow;

// A dialog control that an object draws and handles for its owner, the main
// window. The object sits in the window's user data and the window runs one
// static procedure, which finds the object there and forwards to its
// HandleMessage; whatever a control leaves alone goes on to the procedure the
// window had. The binding is undone when the object goes.
class SkinnedControl {
public:
    SkinnedControl(const SkinnedControl&) = delete;
    SkinnedControl& operator=(const SkinnedControl&) = delete;

    HWND Window() const { return window; }

protected:
    SkinnedControl() = default;
    virtual ~SkinnedControl();

    // Undoes an earlier binding first. The object is stored before the
    // procedure is replaced: from that moment every message looks for it.
    void Bind(MainWindow* newOwner, HWND newWindow);
    // A window still bound here gets its own procedure back, so that binding
    // it again does not make this procedure its own predecessor, and no
    // longer leads to the object. A window destroyed meanwhile, or bound to
    // another object since, is left as it is.
    void Unbind();

    // Messages a control does not handle go to the window's own procedure.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The procedure the window had before it was bound.
    LRESULT CallPrevious(UINT message, WPARAM wParam, LPARAM lParam) const;
    // The module that made the window, whose resources the control loads.
    HINSTANCE Instance() const;
    // Paints into `dc`, at `dest`, the part of the owner's picture that the
    // dialog shows under `area` (client coordinates of this control). False
    // when there is no picture: the dialog's own background shows there.
    bool PaintPictureUnder(HDC dc, const RECT& dest, RECT area) const;

    MainWindow* owner = nullptr;
    HWND window = nullptr;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    WNDPROC previous = nullptr;
};
