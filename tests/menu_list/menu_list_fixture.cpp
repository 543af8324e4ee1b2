#include "menu_list_fixture.h"

#include "platform/window_long.h"

namespace {

LPARAM Pack(POINT point)
{
    return MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y));
}

void MovePointerOnScreen(POINT target)
{
    // Wine reports a warped pointer at its new place at once, then for a
    // while at its old place again until the display has caught up. Only a
    // place reported steadily after that while is trusted.
    constexpr DWORD kCatchUp = 150;
    SetCursorPos(target.x, target.y);
    const DWORD start = GetTickCount();
    for (int steady = 0; GetTickCount() - start < 20 * kCatchUp; Sleep(10)) {
        POINT reported{};
        GetCursorPos(&reported);
        const bool there = reported.x == target.x && reported.y == target.y;
        steady = there ? steady + 1 : 0;
        if (steady >= 3 && GetTickCount() - start >= kCatchUp)
            return;
        if (!there && GetTickCount() - start >= kCatchUp)
            SetCursorPos(target.x, target.y);
    }
    ADD_FAILURE() << "the pointer does not reach " << target.x << "," << target.y;
}

} // namespace

std::vector<Entry> NumberedEntries(int count)
{
    std::vector<Entry> entries;
    for (int i = 0; i < count; ++i)
        entries.push_back(Entry{"Entry " + std::to_string(i)});
    return entries;
}

MenuListTest* MenuListTest::current = nullptr;

void MenuListTest::Open(const std::vector<Entry>& entries)
{
    TearDown();
    // Away from the dialog, and the earlier mouse messages gone: a pointer
    // over a row would hover it.
    MovePointerOnScreen(POINT{2, 2});
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);

    const std::string picture = RunningMenu::WriteBeside(
        "menu_list_picture.bmp", SolidBitmapFile(640, 480, kPictureColour));
    std::string file = "[Main]\r\nPicture=" + picture +
                       "\r\n[Language]\r\nLocale=en\r\nName=English\r\n";
    for (const Entry& entry : entries)
        file += "[Element]\r\nName=" + entry.name + "\r\nMarker=" + entry.marker +
                "\r\nCommand=no-such-program.exe\r\n";
    menu.reset(new RunningMenu(file));

    current = this;
    dialogProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        menu->Dialog(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordingProc)));
    ASSERT_EQ(static_cast<int>(entries.size()), Send(LB_GETCOUNT));
}

void MenuListTest::TearDown()
{
    if (menu)
        SetWindowLongPtrW(menu->Dialog(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(dialogProc));
    menu.reset();
    ForgetMessages();
}

LRESULT CALLBACK MenuListTest::RecordingProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam)
{
    if (message == UM_CURRENTITEM)
        current->currentItems.push_back(static_cast<int>(wParam));
    if (message == UM_ACTIVATEITEM) {
        current->activations.push_back(static_cast<int>(wParam));
        return 0;
    }
    return CallWindowProcW(current->dialogProc, window, message, wParam, lParam);
}

MenuList& MenuListTest::Menu() const
{
    return *GetWindowObject<MenuList>(List());
}

void MenuListTest::ForgetMessages()
{
    currentItems.clear();
    activations.clear();
}

int MenuListTest::Send(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return static_cast<int>(SendMessageA(List(), message, wParam, lParam));
}

RECT MenuListTest::RowRect(int row) const
{
    RECT rect{};
    Send(LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

RECT MenuListTest::ClientRect() const
{
    RECT client;
    GetClientRect(List(), &client);
    return client;
}

RECT MenuListTest::WindowRect() const
{
    RECT whole;
    GetWindowRect(List(), &whole);
    return RECT{0, 0, whole.right - whole.left, whole.bottom - whole.top};
}

POINT MenuListTest::OnScreen(POINT listPoint) const
{
    RECT whole;
    GetWindowRect(List(), &whole);
    return POINT{whole.left + listPoint.x, whole.top + listPoint.y};
}

int MenuListTest::HitCode(POINT listPoint) const
{
    return Send(WM_NCHITTEST, 0, Pack(OnScreen(listPoint)));
}

void MenuListTest::MovePointer(POINT listPoint)
{
    MovePointerOnScreen(OnScreen(listPoint));
}

void MenuListTest::PointAt(POINT listPoint)
{
    MovePointer(listPoint);
    Send(WM_SETCURSOR, reinterpret_cast<WPARAM>(List()),
         MAKELPARAM(HitCode(listPoint), WM_MOUSEMOVE));
}

void MenuListTest::Click(UINT message, POINT listPoint) const
{
    Send(message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, Pack(listPoint));
}

void MenuListTest::Pump()
{
    const UINT ranges[][2] = {{0, WM_NCMOUSEMOVE - 1},
                              {WM_NCXBUTTONDBLCLK + 1, WM_MOUSEFIRST - 1},
                              {0x020E + 1, 0xFFFFFFFF}};  // past the horizontal wheel
    MSG message;
    for (bool any = true; any;) {
        any = false;
        for (const auto& range : ranges)
            while (PeekMessageA(&message, nullptr, range[0], range[1], PM_REMOVE)) {
                any = true;
                DispatchMessageA(&message);
            }
    }
}

Pixels MenuListTest::CaptureList()
{
    RedrawWindow(menu->Dialog(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump();
    const RECT whole = WindowRect();
    RECT onDialog;
    GetWindowRect(List(), &onDialog);
    MapWindowPoints(nullptr, menu->Dialog(), reinterpret_cast<POINT*>(&onDialog), 2);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = whole.right;
    info.bmiHeader.biHeight = -whole.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const HDC dialogDC = GetDC(menu->Dialog());
    const HDC memory = CreateCompatibleDC(dialogDC);
    const HBITMAP bitmap = CreateDIBSection(dialogDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, whole.right, whole.bottom, dialogDC, onDialog.left, onDialog.top, SRCCOPY);
    GdiFlush();
    Pixels pixels;
    pixels.width = whole.right;
    for (int i = 0; i < whole.right * whole.bottom; ++i) {
        const DWORD bgr = static_cast<const DWORD*>(bits)[i];
        pixels.colours.push_back(RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF));
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(menu->Dialog(), dialogDC);
    return pixels;
}

void ScrollingListTest::SetUp()
{
    Open(NumberedEntries(30));
    ASSERT_LT(ClientRect().bottom, 30 * 17) << "the rows must overflow the list";
}

RECT ScrollingListTest::Bar() const
{
    RECT bar = WindowRect();
    bar.left = bar.right - 17;
    return bar;
}

RECT ScrollingListTest::Track() const
{
    RECT track = Bar();
    InflateRect(&track, 0, -19);
    return track;
}

void ScrollingListTest::Press(POINT listPoint, UINT message)
{
    MovePointer(listPoint);
    Send(message, HitCode(listPoint), Pack(OnScreen(listPoint)));
}

void ScrollingListTest::Release()
{
    POINT cursor;
    GetCursorPos(&cursor);
    ScreenToClient(List(), &cursor);
    Click(WM_LBUTTONUP, cursor);
}

void ScrollingListTest::Tick(int count) const
{
    for (int i = 0; i < count; ++i)
        Send(WM_TIMER, 100);
}

void ScrollingListTest::DragTo(POINT listPoint)
{
    MovePointer(listPoint);
    Send(WM_MOUSEMOVE, MK_LBUTTON, Pack(listPoint));
}

RECT ScrollingListTest::PaintedThumb()
{
    const Pixels pixels = CaptureList();
    const RECT track = Track();
    int first = -1;
    int last = -1;
    for (int y = track.top; y < track.bottom; ++y)
        if (pixels.At(track.left, y) == RGB(213, 213, 213)) {
            first = first == -1 ? y : first;
            last = y;
        }
    return first == -1 ? RECT{} : RECT{track.left, first - 1, track.right, last + 2};
}
