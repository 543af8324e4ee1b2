#include "menu_list_fixture.h"

void MenuListTest::Open(const std::vector<std::string>& captions)
{
    TearDown();
    // Away from the dialog, and the earlier mouse messages gone: a pointer
    // over a row would hover it.
    MovePointerTo(POINT{2, 2}, [] {});
    PumpAll();
    const std::string picture = RunningMenu::WriteBeside("menu_list_picture.bmp",
                                                         SolidBitmapFile(640, 480, kPictureColour));
    std::string file =
        "[Main]\r\nPicture=" + picture + "\r\n[Language]\r\nLocale=en\r\nName=English\r\n";
    for (const std::string& caption : captions)
        file += "[Element]\r\nName=" + caption + "\r\nCommand=no-such-program.exe\r\n";
    menu.reset(new RunningMenu(file));
    log.reset(new MessageLog(menu->Dialog(), {UM_ACTIVATEITEM}));
    ASSERT_EQ(static_cast<int>(captions.size()), Send(LB_GETCOUNT));
}

void MenuListTest::Open(int rows)
{
    std::vector<std::string> captions;
    for (int i = 0; i < rows; ++i)
        captions.push_back("Entry " + std::to_string(i));
    Open(captions);
}

// As a nested menu refills the list: rows with these markers, before the
// pointer has moved.
void MenuListTest::Refill(const std::vector<int>& markers)
{
    Menu().Clear();
    for (int marker : markers)
        Menu().AddItem(L"Caption", marker);
    Menu().Relayout();
}

void MenuListTest::TearDown()
{
    log.reset();
    menu.reset();
}

RECT MenuListTest::Rect(bool client) const
{
    RECT rect;
    client ? GetClientRect(List(), &rect) : GetWindowRect(List(), &rect);
    return rect;
}

Pixels MenuListTest::CaptureList()
{
    RedrawWindow(menu->Dialog(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpAllButMouse();
    RECT onDialog = ScreenRect();
    MapWindowPoints(nullptr, menu->Dialog(), reinterpret_cast<POINT*>(&onDialog), 2);
    return CaptureClient(menu->Dialog(), onDialog);
}

void ScrollingListTest::SetUp()
{
    Open(30);
    ASSERT_LT(ClientRect().bottom, 30 * 17) << "the rows must overflow the list";
}

void ScrollingListTest::Release()
{
    POINT cursor;
    GetCursorPos(&cursor);
    ScreenToClient(List(), &cursor);
    Click(WM_LBUTTONUP, cursor);
}

std::pair<int, int> ScrollingListTest::PaintedThumb()
{
    const Pixels pixels = CaptureList();
    int first = -1;
    int last = -1;
    for (int y = 19; y < TrackBottom(); ++y)
        if (pixels.At(BarLeft(), y) == RGB(213, 213, 213)) {
            first = first < 0 ? y : first;
            last = y;
        }
    return {first - 1, last + 2};
}
