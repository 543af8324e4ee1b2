#pragma once
#include <windows.h>

#include <functional>
#include <vector>

// The desktop that the window tests share: its pointer, the message queue and
// what the screen shows.

// The picture under the test dialogs is one colour, so that whatever a
// control draws shows as pixels of other colours ("ink").
constexpr COLORREF kPictureColour = RGB(40, 150, 90);

// Dispatches everything queued.
void PumpAll();
// Dispatches what is queued except the system's mouse messages, for tests
// that tell a window of every move themselves: under Wine a moved pointer's
// own messages may arrive after the pointer has been moved on.
void PumpAllButMouse();

// Puts the pointer on a point of the screen and waits, running pump, until
// the system steadily reports it there.
void MovePointerTo(POINT screen, const std::function<void()>& pump);

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> colours;
    COLORREF At(int x, int y) const { return colours[static_cast<size_t>(y * width + x)]; }
};

// A box of a window's client area as the screen shows it (all of it by default).
Pixels CaptureClient(HWND window, RECT box = RECT{});
// A width x height bitmap of kPictureColour after draw(dc) painted on it.
Pixels CaptureDrawing(int width, int height, const std::function<void(HDC)>& draw);
// The smallest box around the ink within a box (all pixels by default); all
// zero when there is none.
RECT InkBounds(const Pixels& pixels, RECT box = RECT{});
// Whether some pixel row of the ink in a box is inked across nine tenths of
// the ink's width: an underline.
bool HasUnderline(const Pixels& pixels, const RECT& box);
// Whether some pixel in a box (anywhere by default) has the colour.
bool HasColour(const Pixels& pixels, COLORREF colour, RECT box = RECT{});
