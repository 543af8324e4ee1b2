#include "menu_list_fixture.h"

#include <algorithm>

void MenuListTest::Open(const std::vector<std::string>& captions)
{
    TearDown();
    // Away from the dialog, and the earlier mouse messages gone: a pointer
    // over a row would hover it.
    MovePointerTo(POINT{2, 2}, [] {});
    PumpAll();

    const std::string picture = RunningMenu::WriteBeside(
        "menu_list_picture.bmp", SolidBitmapFile(640, 480, kPictureColour));
    std::string file = "[Main]\r\nPicture=" + picture + "\r\n[Language]\r\nLocale=en\r\nName=English\r\n";
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

void MenuListTest::TearDown()
{
    log.reset();
    menu.reset();
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

RECT ScrollingListTest::PaintedThumb()
{
    const Pixels pixels = CaptureList();
    const RECT track = Track();
    int first = track.bottom;
    int last = track.top - 1;
    for (int y = track.top; y < track.bottom; ++y)
        if (pixels.At(track.left, y) == RGB(213, 213, 213)) {
            first = std::min(first, y);
            last = y;
        }
    return RECT{track.left, first - 1, track.right, last + 2};
}
