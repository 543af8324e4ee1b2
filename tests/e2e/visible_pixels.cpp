#include "visible_pixels.h"

namespace {

bool BelongsTo(HWND found, HWND window)
{
    return found == window || IsChild(window, found);
}

bool OnTopAt(HWND window, POINT screenPoint)
{
    return BelongsTo(WindowFromPoint(screenPoint), window);
}

// Screen pixels are read back from a copy of the area rather than one by one.
class ScreenCopy {
public:
    explicit ScreenCopy(const RECT& area)
        : width(area.right - area.left), height(area.bottom - area.top)
    {
        HDC screen = GetDC(nullptr);
        memory = CreateCompatibleDC(screen);
        bitmap = CreateCompatibleBitmap(screen, width, height);
        previous = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
        ReleaseDC(nullptr, screen);
    }
    ~ScreenCopy()
    {
        SelectObject(memory, previous);
        DeleteObject(bitmap);
        DeleteDC(memory);
    }
    ScreenCopy(const ScreenCopy&) = delete;
    ScreenCopy& operator=(const ScreenCopy&) = delete;

    COLORREF At(int x, int y) const { return GetPixel(memory, x, y); }
    int Width() const { return width; }
    int Height() const { return height; }

private:
    int width;
    int height;
    HDC memory;
    HBITMAP bitmap;
    HGDIOBJ previous;
};

} // namespace

COLORREF VisibleClientPixel(HWND window, POINT clientPoint)
{
    POINT screenPoint = clientPoint;
    ClientToScreen(window, &screenPoint);
    if (!OnTopAt(window, screenPoint))
        return CLR_INVALID;
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, screenPoint.x, screenPoint.y);
    ReleaseDC(nullptr, screen);
    // Covered while it was read: the answer is not the window's.
    return OnTopAt(window, screenPoint) ? colour : CLR_INVALID;
}

bool WaitForClientColour(HWND window, POINT clientPoint, COLORREF wanted)
{
    const DWORD start = GetTickCount();
    do {
        if (VisibleClientPixel(window, clientPoint) == wanted)
            return true;
        Sleep(50);
    } while (GetTickCount() - start < 20000);
    return false;
}

namespace {

bool AreaOnTop(HWND window, const RECT& area)
{
    const POINT probes[] = {{area.left, area.top},
                            {area.right - 1, area.top},
                            {area.left, area.bottom - 1},
                            {area.right - 1, area.bottom - 1},
                            {(area.left + area.right) / 2, (area.top + area.bottom) / 2}};
    for (const POINT& probe : probes)
        if (!OnTopAt(window, probe))
            return false;
    return true;
}

int CountUnlike(const ScreenCopy& copy, COLORREF background)
{
    int unlike = 0;
    for (int y = 0; y < copy.Height(); ++y)
        for (int x = 0; x < copy.Width(); ++x)
            if (copy.At(x, y) != background)
                ++unlike;
    return unlike;
}

} // namespace

int PixelsUnlike(HWND control, COLORREF background)
{
    RECT area;
    GetWindowRect(control, &area);
    HWND dialog = GetParent(control);
    const DWORD start = GetTickCount();
    do {
        if (AreaOnTop(dialog, area)) {
            const ScreenCopy copy(area);
            // Covered while it was copied: the copy is not the control's.
            if (AreaOnTop(dialog, area))
                return CountUnlike(copy, background);
        }
        Sleep(50);
    } while (GetTickCount() - start < 20000);
    return -1;
}
