#include "menu_list_fixture.h"

#include "platform/window_long.h"

namespace {

std::string MenuFile(const std::vector<Entry>& entries)
{
    const std::string picture = RunningMenu::WriteBeside(
        "menu_list_picture.bmp", SolidBitmapFile(640, 480, kPictureColour));
    std::string file = "[Main]\r\nPicture=" + picture +
                       "\r\nCaption=List\r\nExitText=Exit\r\n"
                       "[Language]\r\nLocale=en\r\nName=English\r\n";
    for (const Entry& entry : entries) {
        file += "[Element]\r\nName=" + entry.name + "\r\nDescription=About " + entry.name +
                "\r\nMarker=" + entry.marker + "\r\nCommand=no-such-program.exe\r\n";
    }
    return file;
}

LPARAM PackPoint(POINT point)
{
    return MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y));
}

} // namespace

std::vector<Entry> NumberedEntries(int count)
{
    std::vector<Entry> entries;
    for (int i = 0; i < count; ++i)
        entries.push_back(Entry{"Entry " + std::to_string(i)});
    return entries;
}

COLORREF Pixels::At(int x, int y) const
{
    const int width = area.right - area.left;
    return colours[static_cast<size_t>((y - area.top) * width + (x - area.left))];
}

int Pixels::Count(const RECT& box, COLORREF colour) const
{
    int found = 0;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            found += At(x, y) == colour ? 1 : 0;
    return found;
}

MenuListTest* MenuListTest::current = nullptr;

void MenuListTest::Open(const std::vector<Entry>& entries)
{
    // Away from where the dialog opens, with the earlier tests' mouse
    // messages gone: a pointer over a row would hover it in this test.
    MovePointerOnScreen(POINT{2, 2});
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
    menu.reset(new RunningMenu(MenuFile(entries)));
    current = this;
    const HWND dialog = Dialog();
    const LONG_PTR recorder = reinterpret_cast<LONG_PTR>(&MenuListTest::RecordingProc);
    dialogProc = reinterpret_cast<WNDPROC>(
        IsWindowUnicode(dialog) ? SetWindowLongPtrW(dialog, GWLP_WNDPROC, recorder)
                                : SetWindowLongPtrA(dialog, GWLP_WNDPROC, recorder));
    ASSERT_NE(nullptr, List());
    ASSERT_EQ(static_cast<int>(entries.size()), Count());
}

void MenuListTest::TearDown()
{
    if (menu && dialogProc) {
        const HWND dialog = Dialog();
        const LONG_PTR original = reinterpret_cast<LONG_PTR>(dialogProc);
        if (IsWindowUnicode(dialog))
            SetWindowLongPtrW(dialog, GWLP_WNDPROC, original);
        else
            SetWindowLongPtrA(dialog, GWLP_WNDPROC, original);
    }
    menu.reset();
    current = nullptr;
}

LRESULT CALLBACK MenuListTest::RecordingProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam)
{
    MenuListTest* test = current;
    if (message == UM_CURRENTITEM)
        test->currentItems.push_back(static_cast<int>(wParam));
    if (message == UM_ACTIVATEITEM) {
        test->activations.push_back(static_cast<int>(wParam));
        return 0;
    }
    return IsWindowUnicode(window) ? CallWindowProcW(test->dialogProc, window, message, wParam, lParam)
                                   : CallWindowProcA(test->dialogProc, window, message, wParam, lParam);
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

int MenuListTest::Count() const
{
    return static_cast<int>(SendMessageA(List(), LB_GETCOUNT, 0, 0));
}

int MenuListTest::Top() const
{
    return static_cast<int>(SendMessageA(List(), LB_GETTOPINDEX, 0, 0));
}

int MenuListTest::Selection() const
{
    return static_cast<int>(SendMessageA(List(), LB_GETCURSEL, 0, 0));
}

int MenuListTest::RowHeight(int row) const
{
    return static_cast<int>(SendMessageA(List(), LB_GETITEMHEIGHT, static_cast<WPARAM>(row), 0));
}

RECT MenuListTest::RowRect(int row) const
{
    RECT rect{};
    SendMessageA(List(), LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
    return rect;
}

RECT MenuListTest::ClientRect() const
{
    RECT client;
    GetClientRect(List(), &client);
    return client;
}

RECT MenuListTest::WindowRectAtOrigin() const
{
    RECT whole;
    GetWindowRect(List(), &whole);
    OffsetRect(&whole, -whole.left, -whole.top);
    return whole;
}

POINT MenuListTest::OnScreen(POINT listPoint) const
{
    RECT whole;
    GetWindowRect(List(), &whole);
    return POINT{whole.left + listPoint.x, whole.top + listPoint.y};
}

LRESULT MenuListTest::HitCode(POINT listPoint) const
{
    return SendMessageA(List(), WM_NCHITTEST, 0, PackPoint(OnScreen(listPoint)));
}

void MenuListTest::MovePointerOnScreen(POINT screenPoint)
{
    // Wine reports a moved pointer at its new place at once, then for a while
    // at its old place again, until the display has caught up with the move.
    // Only a place reported steadily once that while has passed is trusted;
    // the messages the move queued are left for the next pump.
    constexpr DWORD kCatchUp = 150;
    SetCursorPos(screenPoint.x, screenPoint.y);
    const DWORD start = GetTickCount();
    int steadyReads = 0;
    while (GetTickCount() - start < 20 * kCatchUp) {
        POINT reported{};
        GetCursorPos(&reported);
        const bool there = reported.x == screenPoint.x && reported.y == screenPoint.y;
        steadyReads = there ? steadyReads + 1 : 0;
        const DWORD waited = GetTickCount() - start;
        if (steadyReads >= 3 && waited >= kCatchUp)
            return;
        if (!there && waited >= kCatchUp)
            SetCursorPos(screenPoint.x, screenPoint.y);
        Sleep(10);
    }
    ADD_FAILURE() << "the pointer does not reach " << screenPoint.x << "," << screenPoint.y;
}

void MenuListTest::PointAt(POINT listPoint)
{
    MovePointer(listPoint);
    Pump();
    const LRESULT hit = HitCode(listPoint);
    SendMessageA(List(), WM_SETCURSOR, reinterpret_cast<WPARAM>(List()),
                 MAKELPARAM(static_cast<WORD>(hit), WM_MOUSEMOVE));
}

void MenuListTest::Pump()
{
    // The ranges around the non-client and the client mouse messages, the
    // latter up to the horizontal wheel (0x020E).
    const UINT ranges[][2] = {{0, WM_NCMOUSEMOVE - 1},
                              {WM_NCXBUTTONDBLCLK + 1, WM_MOUSEFIRST - 1},
                              {0x020E + 1, 0xFFFFFFFF}};
    MSG message;
    bool any = true;
    while (any) {
        any = false;
        for (const auto& range : ranges) {
            while (PeekMessageA(&message, nullptr, range[0], range[1], PM_REMOVE)) {
                any = true;
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
        }
    }
}

void MenuListTest::Key(WPARAM key)
{
    SendMessageA(List(), WM_KEYDOWN, key, 1);
}

Pixels MenuListTest::CaptureList()
{
    RedrawWindow(Dialog(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump();

    Pixels pixels;
    pixels.area = WindowRectAtOrigin();
    const int width = pixels.area.right;
    const int height = pixels.area.bottom;
    RECT onDialog;
    GetWindowRect(List(), &onDialog);
    MapWindowPoints(nullptr, Dialog(), reinterpret_cast<POINT*>(&onDialog), 2);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const HDC dialogDC = GetDC(Dialog());
    const HDC memory = CreateCompatibleDC(dialogDC);
    const HBITMAP bitmap = CreateDIBSection(dialogDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, dialogDC, onDialog.left, onDialog.top, SRCCOPY);
    GdiFlush();
    const auto* words = static_cast<const DWORD*>(bits);
    for (int i = 0; i < width * height; ++i) {
        const DWORD bgr = words[i];
        pixels.colours.push_back(RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF));
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(Dialog(), dialogDC);
    return pixels;
}

RECT MenuListTest::BarRect() const
{
    RECT bar = WindowRectAtOrigin();
    bar.left = bar.right - 17;
    return bar;
}

RECT MenuListTest::TrackRect() const
{
    RECT track = BarRect();
    track.top += 19;
    track.bottom -= 19;
    return track;
}

RECT MenuListTest::PaintedThumb()
{
    // The thumb's left column is grey (213) between its white end pixels; the
    // track's frame there is a darker grey (185).
    const Pixels pixels = CaptureList();
    const RECT track = TrackRect();
    int first = -1;
    int last = -1;
    for (int y = track.top; y < track.bottom; ++y) {
        if (pixels.At(track.left, y) == RGB(213, 213, 213)) {
            if (first == -1)
                first = y;
            last = y;
        }
    }
    if (first == -1)
        return RECT{};
    return RECT{track.left, first - 1, track.right, last + 2};
}

void ScrollingListTest::SetUp()
{
    Open(NumberedEntries(30));
    ASSERT_EQ(0, Top());
    ASSERT_LT(ClientRect().bottom, 30 * 17) << "the rows must overflow the list";
}

void ScrollingListTest::PressBar(POINT listPoint)
{
    const POINT screen = OnScreen(listPoint);
    MovePointerOnScreen(screen);
    SendMessageA(List(), WM_NCLBUTTONDOWN, static_cast<WPARAM>(HitCode(listPoint)), PackPoint(screen));
}

void ScrollingListTest::DoubleClickBar(POINT listPoint)
{
    const POINT screen = OnScreen(listPoint);
    MovePointerOnScreen(screen);
    SendMessageA(List(), WM_NCLBUTTONDBLCLK, static_cast<WPARAM>(HitCode(listPoint)),
                 PackPoint(screen));
}

void ScrollingListTest::ReleaseButton()
{
    POINT cursor;
    GetCursorPos(&cursor);
    ScreenToClient(List(), &cursor);
    SendMessageA(List(), WM_LBUTTONUP, 0, PackPoint(cursor));
}

void ScrollingListTest::Tick(int count)
{
    for (int i = 0; i < count; ++i)
        SendMessageA(List(), WM_TIMER, 100, 0);
}

void ScrollingListTest::MoveWhileCaptured(POINT listPoint)
{
    MovePointer(listPoint);
    Pump();
    SendMessageA(List(), WM_MOUSEMOVE, MK_LBUTTON, PackPoint(listPoint));
}

POINT ScrollingListTest::UpArrowPoint() const
{
    const RECT bar = BarRect();
    return POINT{bar.left + 8, bar.top + 9};
}

POINT ScrollingListTest::DownArrowPoint() const
{
    const RECT bar = BarRect();
    return POINT{bar.left + 8, bar.bottom - 10};
}
