#include "fixture.h"

void ControlsTest::Open(int count, const std::string& second)
{
    log.reset();
    menu.reset();
    // Away from the dialog, and the earlier mouse messages gone: a pointer
    // left over a control by an earlier test would set its hover state.
    MovePointerTo(POINT{2, 2}, [] {});
    PumpAll();
    std::string file = "[Main]\r\nExitText=Exit\r\nPicture=" +
                       RunningMenu::WriteBeside("controls_picture.bmp",
                                                SolidBitmapFile(640, 480, kPictureColour)) +
                       "\r\n[Language]\r\nLocale=en\r\nName=English\r\n"
                       "[Language]\r\nLocale=de\r\nName=Deutsch\r\n";
    for (int i = 0; i < count; ++i)
        file += "[Element]\r\nCommand=no-such-program.exe\r\nName=" +
                (i == 1 && !second.empty() ? second : "Entry " + std::to_string(i)) + "\r\n";
    menu.reset(new RunningMenu(file));
    log.reset(new MessageLog(menu->Dialog(), {UM_ACTIVATEITEM}));
}

void ControlsTest::Refill(const std::vector<int>& markers)
{
    Menu().Clear();
    for (int marker : markers)
        Menu().AddItem(L"Caption", marker);
    Menu().Relayout();
}

RECT ControlsTest::RowRect(int row) const
{
    RECT rect{};
    Send(LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

RECT ControlsTest::Rect(bool client) const
{
    RECT rect;
    client ? GetClientRect(List(), &rect) : GetWindowRect(List(), &rect);
    return rect;
}

void ControlsTest::PointAt(POINT point) const
{
    MovePointer(point);
    Send(WM_SETCURSOR, reinterpret_cast<WPARAM>(List()), MAKELPARAM(HitCode(point), WM_MOUSEMOVE));
}

Pixels ControlsTest::CaptureList() const
{
    RedrawWindow(menu->Dialog(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpAllButMouse();
    RECT onDialog = Rect(false);
    MapWindowPoints(nullptr, menu->Dialog(), reinterpret_cast<POINT*>(&onDialog), 2);
    return CaptureClient(menu->Dialog(), onDialog);
}

std::pair<int, int> ControlsTest::PaintedThumb() const
{
    const Pixels pixels = CaptureList();
    int first = -1;
    int last = -1;
    for (int y = 19; y < TrackBottom(); ++y)
        if (pixels.At(Width() - 17, y) == RGB(213, 213, 213)) {
            first = first < 0 ? y : first;
            last = y;
        }
    return {first - 1, last + 2};
}

HWND ControlsTest::Extra(const char* className, DWORD style, int width, int height) const
{
    const HWND window =
        CreateWindowExA(0, className, "", WS_CHILD | style, 0, 0, width, height, menu->Dialog(),
                        nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(window, WM_SETFONT, SendMessageA(menu->Dialog(), WM_GETFONT, 0, 0), FALSE);
    return window;
}
