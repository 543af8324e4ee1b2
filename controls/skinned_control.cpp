#include "controls/skinned_control.h"

#include "app/main_window.h"
#include "platform/dispatch_guard.h"
#include "platform/window_long.h"

SkinnedControl::~SkinnedControl()
{
    Unbind();
}

void SkinnedControl::Bind(MainWindow* newOwner, HWND newWindow)
{
    Unbind();
    owner = newOwner;
    window = newWindow;
    SetWindowObject(window, this);
    previous = SubclassWindow(window, Procedure);
}

void SkinnedControl::Unbind()
{
    if (window && previous && IsWindow(window) && GetWindowObject<SkinnedControl>(window) == this) {
        SubclassWindow(window, previous);
        SetWindowObject<SkinnedControl>(window, nullptr);
    }
    previous = nullptr;
}

LRESULT SkinnedControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallPrevious(message, wParam, lParam);
}

LRESULT SkinnedControl::CallPrevious(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return CallWindowProcA(previous, window, message, wParam, lParam);
}

HINSTANCE SkinnedControl::Instance() const
{
    return reinterpret_cast<HINSTANCE>(GetWindowLongAuto(window, GWLP_HINSTANCE));
}

bool SkinnedControl::PaintPictureUnder(HDC dc, const RECT& dest, RECT area) const
{
    if (!owner || !owner->Picture().HasImage())
        return false;
    MapWindowPoints(window, owner->Dialog(), reinterpret_cast<POINT*>(&area), 2);
    RECT dialogClient;
    GetClientRect(owner->Dialog(), &dialogClient);
    return owner->Picture().DrawUnder(dc, dest, dialogClient, area, false);
}

LRESULT CALLBACK SkinnedControl::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return GuardDispatch([&]() -> LRESULT {
        // Not bound any more: the object gave the window its procedure back.
        SkinnedControl* control = GetWindowObject<SkinnedControl>(window);
        if (!control)
            return DefWindowProcA(window, message, wParam, lParam);
        return control->HandleMessage(message, wParam, lParam);
    });
}
