// An exception must never unwind through user32: the guard keeps it, ends
// the loop, and hands it over once the loop is done.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/dispatch_guard.h"

namespace {

LRESULT CALLBACK ThrowingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_APP)
        return GuardDispatch([]() -> LRESULT { throw std::runtime_error("from a handler"); }, 7);
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST(DispatchGuard, KeepsTheFirstExceptionAndQuitsTheLoop)
{
    HWND window = CreateWindowA("STATIC", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, window);
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ThrowingProc));
    EXPECT_EQ(7, SendMessageA(window, WM_APP, 0, 0));
    SendMessageA(window, WM_APP, 0, 0); // a second one is a consequence: dropped
    DestroyWindow(window);

    MSG message;
    bool quit = false;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        quit = quit || message.message == WM_QUIT;
    EXPECT_TRUE(quit);
    const std::exception_ptr pending = TakePendingException();
    ASSERT_TRUE(pending != nullptr);
    EXPECT_THROW(std::rethrow_exception(pending), std::runtime_error);
    EXPECT_TRUE(TakePendingException() == nullptr);
}

} // namespace
