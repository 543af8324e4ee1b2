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
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = ThrowingProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "KiveronThrowingWindow";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA("KiveronThrowingWindow", "", 0, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(7, SendMessageA(window, WM_APP, 0, 0));
    SendMessageA(window, WM_APP, 0, 0); // a second one is a consequence: dropped
    DestroyWindow(window);

    MSG message;
    bool quit = false;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        quit = quit || message.message == WM_QUIT;
    EXPECT_TRUE(quit);
    std::exception_ptr pending = TakePendingException();
    ASSERT_TRUE(pending != nullptr);
    try {
        std::rethrow_exception(pending);
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ("from a handler", error.what());
    }
    EXPECT_TRUE(TakePendingException() == nullptr);
}

} // namespace
