// The real program's list under the mouse: a double click on an entry starts
// it once, and a press on the scroll bar's arrow released over a row starts
// nothing. The mouse messages are posted to the list in the order the system
// delivers them for that input rather than made as input, so that no window
// of another test can come between.
#include "disc.h"

#include "resources/resource_ids.h"

namespace {

class MouseActivation : public DiscTest {
protected:
    // How often the recorder "tools\<name>.exe" has run.
    int Starts(const std::string& name) const
    {
        WIN32_FIND_DATAA found;
        const HANDLE search =
            FindFirstFileA(PathOf("tools\\" + name + ".*.started").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return 0;
        int count = 1;
        while (FindNextFileA(search, &found))
            ++count;
        FindClose(search);
        return count;
    }
};

LPARAM Pack(POINT point)
{
    return MAKELPARAM(point.x, point.y);
}

TEST_F(MouseActivation, ADoubleClickStartsOnceAndAPressOnTheScrollBarNothing)
{
    PutRecorder("tools\\once.exe");
    PutRecorder("tools\\never.exe");
    const std::string done = PutRecorder("tools\\done.exe");
    // More rows than the list shows, so that it has its scroll bar.
    std::string menuFile =
        "[Main]\r\nCaption=Mouse\r\n[Element]\r\nName=Once\r\nCommand=\\tools\\once.exe\r\n";
    for (int row = 1; row < 29; ++row)
        menuFile += "[Element]\r\nName=Never\r\nCommand=\\tools\\never.exe\r\n";
    menuFile += "[Element]\r\nName=Done\r\nCommand=\\tools\\done.exe\r\n";
    WriteOnDisc("kiveron.lst", menuFile);
    MenuProcess menu(KIVERON_EXE, Root());
    HWND dialog = menu.WaitForWindow(L"Mouse");
    ASSERT_NE(nullptr, dialog);
    HWND list = GetDlgItem(dialog, IDC_MENU_LIST);
    // On the caption of the top row: one-line rows are 17 pixels tall, their
    // captions begin 19 pixels from the left.
    const LPARAM onCaption = Pack(POINT{22, 7});

    // Down, up, double click, up.
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        PostMessageA(list, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, onCaption);

    // Pressed on the down arrow (a step brings a "Never" row to the top),
    // released over that row's caption.
    RECT frame;
    GetWindowRect(list, &frame);
    const POINT downArrow = {frame.right - 17 + 8, frame.bottom - 19 + 9};
    PostMessageA(list, WM_NCLBUTTONDOWN, HTVSCROLL, Pack(downArrow));
    PostMessageA(list, WM_LBUTTONUP, 0, onCaption);

    // Posted behind them: once it has run, so has everything before it.
    PostActivate(dialog, 29);
    EXPECT_NE("", WaitForFileContent(done));
    EXPECT_TRUE(WaitUntil([&] { return menu.ChildProcessIds().empty(); }));
    EXPECT_EQ(1, Starts("once"));
    EXPECT_EQ(0, Starts("never"));
    EXPECT_EQ(1, static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0)))
        << "the arrow was not hit";
    EXPECT_EQ(0u, menu.Close(dialog));
}

} // namespace
