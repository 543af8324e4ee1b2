// The device-context scopes hold a working context and give it back.
#include <gtest/gtest.h>

#include "graphics/draw_surface.h"

namespace {

// A captioned, bordered window, so its whole area differs from its client area.
class FramedWindow {
public:
    FramedWindow()
        : window(CreateWindowExA(0, "STATIC", "scope", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 150, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr)) {}
    ~FramedWindow() { DestroyWindow(window); }
    FramedWindow(const FramedWindow&) = delete;
    FramedWindow& operator=(const FramedWindow&) = delete;
    HWND Handle() const { return window; }

private:
    HWND window;
};

SIZE ClipSize(HDC dc) {
    RECT box = {};
    GetClipBox(dc, &box);
    return SIZE{box.right - box.left, box.bottom - box.top};
}

} // namespace

TEST(DeviceContextScopes, ClientAndWindowContextsCoverTheirAreas) {
    FramedWindow window;
    ASSERT_NE(nullptr, window.Handle());
    RECT client = {}, whole = {};
    GetClientRect(window.Handle(), &client);
    GetWindowRect(window.Handle(), &whole);
    ASSERT_LT(client.bottom, whole.bottom - whole.top) << "the window needs a frame for this test";

    ClientDC clientDc(window.Handle());
    ASSERT_NE(nullptr, clientDc.Handle());
    EXPECT_EQ(client.right, ClipSize(clientDc.Handle()).cx);
    EXPECT_EQ(client.bottom, ClipSize(clientDc.Handle()).cy);

    WindowDC windowDc(window.Handle());
    ASSERT_NE(nullptr, windowDc.Handle());
    EXPECT_EQ(whole.right - whole.left, ClipSize(windowDc.Handle()).cx);
    EXPECT_EQ(whole.bottom - whole.top, ClipSize(windowDc.Handle()).cy);
}

TEST(DeviceContextScopes, NullWindowGivesTheScreen) {
    ClientDC screen(nullptr);
    ASSERT_NE(nullptr, screen.Handle());
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), GetDeviceCaps(screen.Handle(), HORZRES));
}

TEST(DeviceContextScopes, MemoryContextIsDeletedWithItsScope) {
    HDC handle = nullptr;
    {
        ClientDC screen(nullptr);
        MemoryDC memory(screen.Handle());
        handle = memory.Handle();
        ASSERT_NE(nullptr, handle);
        EXPECT_EQ(DWORD(OBJ_MEMDC), GetObjectType(handle));
    }
    EXPECT_EQ(0u, GetObjectType(handle)) << "the scope deletes its context";
}

