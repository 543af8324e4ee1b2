#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// The picture under every test dialog: one colour, so that whatever a control
// draws shows as pixels of other colours ("ink").
constexpr COLORREF kPictureColour = RGB(40, 150, 90);

// A menu in English and German over a 640 x 480 picture of kPictureColour;
// mainKeys are more "[Main]" lines, elements whole "[Element]" sections.
std::string MenuWithPicture(const std::string& mainKeys, const std::string& elements);

// Moves the mouse as a hand would and waits until the system has taken the
// move in: it reports the new position only once it has handled the move's
// events, and by then the windows under the mouse have been told.
void MoveMouseTo(POINT screen, const std::function<void()>& pump);

// Moves the mouse off the dialog before it is made: a cursor left over a
// control by an earlier test would set that control's hover state.
struct ParkedCursor {
    ParkedCursor();
};

// A child control of the test's own in the real dialog, with the dialog's
// font, for a second control object; declare the object first, so that the
// window goes before the object it leads to.
struct ExtraControl {
    ExtraControl(HWND dialog, const char* className, DWORD style, int width, int height);
    ~ExtraControl() { DestroyWindow(window); }
    HWND window;
};

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> colours;
    COLORREF At(int x, int y) const { return colours[static_cast<size_t>(y * width + x)]; }
};

// A part of a window's client area as the screen shows it (all of it by default).
Pixels CaptureClient(HWND window, RECT box = RECT{});
// A width x height bitmap of kPictureColour after draw(dc) painted on it.
Pixels CaptureDrawing(int width, int height, const std::function<void(HDC)>& draw);
// The smallest box around the ink; all zero when there is none.
RECT InkBounds(const Pixels& pixels);
bool HasColour(const Pixels& pixels, const RECT& box, COLORREF colour);
