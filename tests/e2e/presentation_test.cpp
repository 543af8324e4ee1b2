// What a user sees of the real menu stays true: the list after scrolling
// and over a picture of another size, a nested menu's languages, Alt+F4 from the language chooser
// and a start from another current folder.
#include "disc.h"

#include "resources/resource_ids.h"
#include "support/desktop_input.h"
#include "support/running_menu.h"

namespace {

class Presentation : public DiscTest {};

RECT ScreenRectOf(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    return rect;
}

// What the screen shows in a rectangle of the screen, once the window is on
// top of the other tests' windows.
Pixels ScreenPixels(HWND window, const RECT& area)
{
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // Every message before this one, paints included, has been handled.
    DWORD_PTR ignored;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
    Sleep(300);
    return CaptureClient(GetDesktopWindow(), area);
}

int PixelsThatDiffer(const Pixels& a, const Pixels& b)
{
    int differ = 0;
    for (size_t i = 0; i < a.colours.size() && i < b.colours.size(); ++i)
        differ += a.colours[i] != b.colours[i] ? 1 : 0;
    return differ;
}

std::string Rows(int count)
{
    std::string rows;
    for (int i = 0; i < count; ++i)
        rows += "[Element]\r\nName=Row " + std::to_string(i) + "\r\n";
    return rows;
}

TEST_F(Presentation, AfterWheelScrollingAFullRepaintChangesNoPixel)
{
    WriteOnDisc("kiveron.lst", "[Main]\r\nCaption=Wheel\r\nPicture=back.bmp\r\n" + Rows(40));
    WriteOnDisc("back.bmp", BandedBitmapFile(640, 480));
    MenuProcess menu(KIVERON_EXE, Root());
    HWND dialog = menu.WaitForWindow(L"Wheel");
    ASSERT_NE(nullptr, dialog);
    HWND list = GetDlgItem(dialog, IDC_MENU_LIST);
    const RECT area = ScreenRectOf(list);
    const POINT centre = {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
    PostMessageA(list, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(centre.x, centre.y));
    ASSERT_TRUE(WaitUntil([&] { return SendMessageA(list, LB_GETTOPINDEX, 0, 0) > 0; }));

    const Pixels scrolled = ScreenPixels(dialog, area);
    RedrawWindow(dialog, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    const Pixels repainted = ScreenPixels(dialog, area);
    EXPECT_EQ(0, PixelsThatDiffer(scrolled, repainted));
    EXPECT_EQ(0u, menu.Close(dialog));
}

TEST_F(Presentation, ANestedMenuWithATallerPictureAndTheSameLanguages)
{
    const std::string languages = "[Language]\r\nLocale=en\r\nName=English\r\n"
                                  "[Language]\r\nLocale=de\r\nName=Deutsch\r\n";
    WriteOnDisc("kiveron.lst", "[Main]\r\nCaption=Start\r\nPicture=start.bmp\r\n" + languages +
                                   "[Element]\r\nName=Tools\r\nCommand=\\tools.lst\r\n");
    WriteOnDisc("tools.lst", "[Main]\r\nPicture=tall.bmp\r\n" + languages +
                                 "[Element]\r\nName=Back\r\nCommand=\\kiveron.lst\r\n" + Rows(2));
    WriteOnDisc("start.bmp", SolidBitmapFile(640, 480, RGB(200, 200, 200)));
    WriteOnDisc("tall.bmp", BandedBitmapFile(640, 760));
    MenuProcess menu(KIVERON_EXE, Root());
    HWND dialog = menu.WaitForWindow(L"Start");
    ASSERT_NE(nullptr, dialog);
    for (int visit = 0; visit < 2; ++visit) {
        ASSERT_TRUE(Activate(dialog, 0));
        ASSERT_EQ(3, RowCount(dialog));
        EXPECT_EQ(2, LanguageCount(dialog)) << "visit " << visit;
        ASSERT_TRUE(Activate(dialog, 0));
        ASSERT_EQ(1, RowCount(dialog));
        EXPECT_EQ(2, LanguageCount(dialog)) << "return " << visit;
    }
    ASSERT_TRUE(Activate(dialog, 0));

    // The picture's colour changes with every row: the rows' background
    // must show the rows that the dialog shows beside the list.
    RECT list = ScreenRectOf(GetDlgItem(dialog, IDC_MENU_LIST));
    const RECT area = {list.left - 3, list.top, list.right, list.bottom};
    const Pixels pixels = ScreenPixels(dialog, area);
    int unlike = 0;
    for (int y = 0; y < pixels.height; ++y)
        for (int x = pixels.width * 3 / 4; x < pixels.width - 2; ++x)
            unlike += pixels.At(x, y) != pixels.At(0, y) ? 1 : 0;
    EXPECT_EQ(0, unlike);
    EXPECT_EQ(0u, menu.Close(dialog));
}

TEST_F(Presentation, AltF4ClosesTheMenuWhileTheLanguageChooserHasTheFocus)
{
    WriteOnDisc("kiveron.lst", "[Main]\r\nCaption=Chooser\r\n[Language]\r\nLocale=en\r\n"
                               "[Language]\r\nLocale=de\r\n" +
                                   Rows(2));
    MenuProcess menu(KIVERON_EXE, Root());
    HWND dialog = menu.WaitForWindow(L"Chooser");
    ASSERT_NE(nullptr, dialog);
    ChooseLanguage(dialog, 1);
    // What the system gives the focused chooser for Alt+F4.
    PostMessageA(GetDlgItem(dialog, IDC_LANGUAGE_COMBO), WM_SYSKEYDOWN, VK_F4, 1 << 29);
    EXPECT_EQ(0u, menu.WaitForExit());
}

TEST_F(Presentation, AStartFromAnotherFolderFindsThePictureBesideTheMenu)
{
    const COLORREF colour = RGB(20, 90, 200);
    WriteOnDisc("menu\\kiveron.lst",
                "[Main]\r\nCaption=Elsewhere\r\nPicture=art\\back.bmp\r\n" + Rows(2));
    WriteOnDisc("menu\\art\\back.bmp", SolidBitmapFile(500, 400, colour));
    // Started as menu\kiveron.exe from the disc's root folder.
    MenuProcess menu(KIVERON_EXE, Root(), {"", "menu\\kiveron.exe", {}});
    HWND dialog = menu.WaitForWindow(L"Elsewhere");
    ASSERT_NE(nullptr, dialog);
    RECT client;
    GetClientRect(dialog, &client);
    EXPECT_EQ(500, client.right);
    EXPECT_EQ(400, client.bottom);
    EXPECT_TRUE(WaitForClientColour(dialog, POINT{4, 4}, colour));
    EXPECT_EQ(0u, menu.Close(dialog));
}

} // namespace
