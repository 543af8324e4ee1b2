#include "controls_fixture.h"

#include <algorithm>

#include "support/running_menu.h"

std::string MenuWithPicture(const std::string& mainKeys, const std::string& elements)
{
    const std::string picture =
        RunningMenu::WriteBeside("controls_picture.bmp", SolidBitmapFile(640, 480, kPictureColour));
    return "[Main]\r\nPicture=" + picture + "\r\n" + mainKeys +
           "[Language]\r\nLocale=en\r\nName=English\r\n"
           "[Language]\r\nLocale=de\r\nName=Deutsch\r\n" + elements;
}

void MoveMouseTo(POINT screen, const std::function<void()>& pump)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input.mi.dx = (screen.x * 65536 + GetSystemMetrics(SM_CXSCREEN) - 1) / GetSystemMetrics(SM_CXSCREEN);
    input.mi.dy = (screen.y * 65536 + GetSystemMetrics(SM_CYSCREEN) - 1) / GetSystemMetrics(SM_CYSCREEN);
    // Under Wine the display learns of a move only with the next request, and
    // its pointer event for the move comes back late, with the old position.
    // Moving twice to the same point makes every late event carry this one.
    for (int move = 0; move < 2; ++move) {
        SendInput(1, &input, sizeof(input));
        while (MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT) != WAIT_TIMEOUT)
            pump();
        pump();
    }
}

ParkedCursor::ParkedCursor()
{
    MoveMouseTo(POINT{0, 0}, [] {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
    });
}

ExtraControl::ExtraControl(HWND dialog, const char* className, DWORD style, int width, int height)
    : window(CreateWindowExA(0, className, "", WS_CHILD | style, 0, 0, width, height, dialog,
                             nullptr, GetModuleHandleA(nullptr), nullptr))
{
    SendMessageA(window, WM_SETFONT, SendMessageA(dialog, WM_GETFONT, 0, 0), FALSE);
}

namespace {

Pixels Capture(HDC dc, const RECT& box)
{
    Pixels pixels;
    pixels.width = box.right - box.left;
    pixels.height = box.bottom - box.top;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            pixels.colours.push_back(GetPixel(dc, x, y));
    return pixels;
}

} // namespace

Pixels CaptureClient(HWND window, RECT box)
{
    if (IsRectEmpty(&box))
        GetClientRect(window, &box);
    const HDC dc = GetDC(window);
    Pixels pixels = Capture(dc, box);
    ReleaseDC(window, dc);
    return pixels;
}

Pixels CaptureDrawing(int width, int height, const std::function<void(HDC)>& draw)
{
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    const RECT all = {0, 0, width, height};
    const HBRUSH picture = CreateSolidBrush(kPictureColour);
    FillRect(dc, &all, picture);
    DeleteObject(picture);
    draw(dc);
    Pixels pixels = Capture(dc, all);
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return pixels;
}

RECT InkBounds(const Pixels& pixels)
{
    RECT box = {pixels.width, pixels.height, 0, 0};
    for (int y = 0; y < pixels.height; ++y)
        for (int x = 0; x < pixels.width; ++x)
            if (pixels.At(x, y) != kPictureColour)
                box = RECT{std::min<LONG>(box.left, x), std::min<LONG>(box.top, y),
                           std::max<LONG>(box.right, x + 1), std::max<LONG>(box.bottom, y + 1)};
    return box.right == 0 ? RECT{} : box;
}

bool HasColour(const Pixels& pixels, const RECT& box, COLORREF colour)
{
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            if (pixels.At(x, y) == colour)
                return true;
    return false;
}
