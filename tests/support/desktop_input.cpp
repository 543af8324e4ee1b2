#include "support/desktop_input.h"
#include "support/bitmap_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

void PumpAll()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
}

void PumpAllButMouse()
{
    // All but the input queue's: the system's mouse (and key) messages stay.
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0,
                        PM_REMOVE | PM_QS_POSTMESSAGE | PM_QS_PAINT | PM_QS_SENDMESSAGE))
        DispatchMessageA(&message);
}

void MovePointerTo(POINT target, const std::function<void()>& pump)
{
    // Moved as a hand would move it, so that the windows under the pointer
    // are told. Under Wine the display learns of a move only with the next
    // request, and its event for the move comes back late with the old place:
    // moving twice to the same point makes every late event carry this one.
    // Even so the old place may be reported again for a while; only a place
    // reported steadily after that while is trusted.
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input.mi.dx =
        (target.x * 65536 + GetSystemMetrics(SM_CXSCREEN) - 1) / GetSystemMetrics(SM_CXSCREEN);
    input.mi.dy =
        (target.y * 65536 + GetSystemMetrics(SM_CYSCREEN) - 1) / GetSystemMetrics(SM_CYSCREEN);
    constexpr DWORD kCatchUp = 150;
    const DWORD start = GetTickCount();
    for (int steady = 0, moves = 0; GetTickCount() - start < 20 * kCatchUp; Sleep(10)) {
        if (moves++ < 2)
            SendInput(1, &input, sizeof(input));
        pump();
        POINT reported{};
        GetCursorPos(&reported);
        const bool there = reported.x == target.x && reported.y == target.y;
        steady = there ? steady + 1 : 0;
        if (steady >= 3 && GetTickCount() - start >= kCatchUp) {
            pump();
            return;
        }
        if (!there && GetTickCount() - start >= kCatchUp)
            SendInput(1, &input, sizeof(input));
    }
    ADD_FAILURE() << "the pointer does not reach " << target.x << "," << target.y;
}

namespace {

// A canvas's pixels as colours.
Pixels FromCanvas(int width, int height, const std::vector<DWORD>& canvas)
{
    Pixels pixels{width, height, {}};
    for (const DWORD pixel : canvas)
        pixels.colours.push_back(CanvasColour(pixel));
    return pixels;
}

// Calls visit(x, y) for each pixel of the box (all pixels when empty) until
// it answers true; whether one did.
bool AnyPixel(const Pixels& pixels, RECT box, const std::function<bool(int, int)>& visit)
{
    if (IsRectEmpty(&box))
        box = RECT{0, 0, pixels.width, pixels.height};
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            if (visit(x, y))
                return true;
    return false;
}

} // namespace

Pixels CaptureClient(HWND window, RECT box)
{
    if (IsRectEmpty(&box))
        GetClientRect(window, &box);
    const int width = box.right - box.left, height = box.bottom - box.top;
    const HDC dc = GetDC(window);
    const Pixels pixels = FromCanvas(width, height, Render(width, height, [&](HDC memory) {
                                         return BitBlt(memory, 0, 0, width, height, dc, box.left,
                                                       box.top, SRCCOPY) != FALSE;
                                     }));
    ReleaseDC(window, dc);
    return pixels;
}

Pixels CaptureDrawing(int width, int height, const std::function<void(HDC)>& draw)
{
    const COLORREF c = kPictureColour;
    const DWORD picture = DWORD(GetRValue(c)) << 16 | GetGValue(c) << 8 | GetBValue(c);
    const auto drawn = [&](HDC dc) {
        draw(dc);
        return true;
    };
    return FromCanvas(width, height, Render(width, height, drawn, picture));
}

RECT InkBounds(const Pixels& pixels, RECT box)
{
    RECT ink = {LONG_MAX, LONG_MAX, 0, 0};
    AnyPixel(pixels, box, [&](int x, int y) {
        if (pixels.At(x, y) != kPictureColour)
            ink = RECT{std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y),
                       std::max<LONG>(ink.right, x + 1), std::max<LONG>(ink.bottom, y + 1)};
        return false;
    });
    return ink.right == 0 ? RECT{} : ink;
}

bool HasUnderline(const Pixels& pixels, const RECT& box)
{
    const RECT ink = InkBounds(pixels, box);
    for (int y = ink.top; y < ink.bottom; ++y) {
        int inked = 0;
        for (int x = ink.left; x < ink.right; ++x)
            inked += pixels.At(x, y) != kPictureColour ? 1 : 0;
        if (inked * 10 >= (ink.right - ink.left) * 9)
            return true;
    }
    return false;
}

bool HasColour(const Pixels& pixels, COLORREF colour, RECT box)
{
    return AnyPixel(pixels, box, [&](int x, int y) { return pixels.At(x, y) == colour; });
}
