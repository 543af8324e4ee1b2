// The real kiveron.exe as a user starts it: from a folder with its menu file,
// with or without arguments, closed every way a user closes it.
#include <gtest/gtest.h>

#include "platform/text_helpers.h"
#include "resources/resource_ids.h"
#include "support/menu_process.h"
#include "support/temp_folder.h"

#ifdef KIVERON_EXE

namespace {

const char kMenu[] =
    "[Main]\r\nCaption=Process test\r\n"
    "[Element]\r\nName=First\r\n[Element]\r\nName=Second\r\n";

class KiveronProcess : public ::testing::Test {
protected:
    TempFolder folder;

    HWND StartWithMenu(MenuProcess& process)
    {
        EXPECT_TRUE(process.Started());
        return process.WaitForWindow(L"Process test");
    }
};

TEST_F(KiveronProcess, AMissingMenuFileShowsOneErrorBoxAndNoDialog)
{
    MenuProcess process(KIVERON_EXE, folder.Path());
    ASSERT_TRUE(process.Started());
    HWND box = process.WaitForWindow(L"Kiveron");
    ASSERT_NE(nullptr, box);
    EXPECT_EQ(1u, process.TopLevelWindows().size());
    const std::string expected = SystemErrorText(ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(std::wstring(expected.begin(), expected.end()), MessageBoxText(box));

    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(0u, process.WaitForExit());
}

TEST_F(KiveronProcess, EveryWayOfClosingEndsWithExitCodeZero)
{
    folder.WriteFile("kiveron.lst", kMenu);
    struct Way { const char* name; UINT message; WPARAM wParam; LPARAM lParam; };
    const Way ways[] = {
        {"close box", WM_SYSCOMMAND, SC_CLOSE, 0},
        {"IDCANCEL", WM_COMMAND, IDCANCEL, 0},
        {"Alt+F4", WM_SYSKEYDOWN, VK_F4, 1 << 29},
    };
    for (const Way& way : ways) {
        MenuProcess process(KIVERON_EXE, folder.Path());
        HWND dialog = StartWithMenu(process);
        ASSERT_NE(nullptr, dialog) << way.name;
        PostMessageA(dialog, way.message, way.wParam, way.lParam);
        EXPECT_EQ(0u, process.WaitForExit()) << way.name;
    }
}

TEST_F(KiveronProcess, ArgumentsChangeNothing)
{
    folder.WriteFile("kiveron.lst", kMenu);
    MenuProcess process(KIVERON_EXE, folder.Path(), "/lang de other.lst \"quoted arg\"");
    HWND dialog = StartWithMenu(process);
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ(2, SendMessageA(GetDlgItem(dialog, IDC_MENU_LIST), LB_GETCOUNT, 0, 0));
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(0u, process.WaitForExit());
}

} // namespace

#endif
