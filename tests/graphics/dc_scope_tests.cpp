// The device-context scopes hold a working context and give it back.
#include <gtest/gtest.h>

#include "graphics/draw_surface.h"

TEST(DeviceContextScopes, ClientWindowScreenAndMemoryContexts)
{
    // Captioned and bordered: the whole window differs from its client area.
    const HWND window =
        CreateWindowExA(0, "STATIC", "scope", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 150,
                        nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, window);
    RECT client = {}, whole = {}, clientClip = {}, windowClip = {};
    GetClientRect(window, &client);
    GetWindowRect(window, &whole);
    OffsetRect(&whole, -whole.left, -whole.top);
    ASSERT_FALSE(EqualRect(&client, &whole));
    HDC memoryHandle = nullptr;
    {
        ClientDC clientDc(window);
        WindowDC windowDc(window);
        GetClipBox(clientDc.Handle(), &clientClip);
        GetClipBox(windowDc.Handle(), &windowClip);
        EXPECT_TRUE(EqualRect(&client, &clientClip));
        EXPECT_TRUE(EqualRect(&whole, &windowClip));
        ClientDC screen(nullptr);
        EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), GetDeviceCaps(screen.Handle(), HORZRES));
        MemoryDC memory(screen.Handle());
        memoryHandle = memory.Handle();
        EXPECT_EQ(DWORD(OBJ_MEMDC), GetObjectType(memoryHandle));
    }
    EXPECT_EQ(0u, GetObjectType(memoryHandle)) << "deleted with its scope";
    DestroyWindow(window);
}
