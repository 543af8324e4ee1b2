// The device-context scopes hold a working context and give it back.
#include <gtest/gtest.h>

#include "graphics/draw_surface.h"

namespace {

SIZE ClipSize(HDC dc) {
    RECT box = {};
    GetClipBox(dc, &box);
    return SIZE{box.right - box.left, box.bottom - box.top};
}

} // namespace

TEST(DeviceContextScopes, ClientWindowAndScreenContextsCoverTheirAreas) {
    // Captioned and bordered: the whole window differs from its client area.
    const HWND window = CreateWindowExA(0, "STATIC", "scope", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 150,
                                        nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, window);
    RECT client = {}, whole = {};
    GetClientRect(window, &client);
    GetWindowRect(window, &whole);
    ASSERT_LT(client.bottom, whole.bottom - whole.top);
    {
        ClientDC clientDc(window);
        WindowDC windowDc(window);
        EXPECT_EQ(client.right, ClipSize(clientDc.Handle()).cx);
        EXPECT_EQ(client.bottom, ClipSize(clientDc.Handle()).cy);
        EXPECT_EQ(whole.right - whole.left, ClipSize(windowDc.Handle()).cx);
        EXPECT_EQ(whole.bottom - whole.top, ClipSize(windowDc.Handle()).cy);
        ClientDC screen(nullptr);
        EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), GetDeviceCaps(screen.Handle(), HORZRES));
    }
    DestroyWindow(window);
}

TEST(DeviceContextScopes, MemoryContextIsDeletedWithItsScope) {
    HDC handle = nullptr;
    {
        ClientDC screen(nullptr);
        MemoryDC memory(screen.Handle());
        handle = memory.Handle();
        EXPECT_EQ(DWORD(OBJ_MEMDC), GetObjectType(handle));
    }
    EXPECT_EQ(0u, GetObjectType(handle));
}
