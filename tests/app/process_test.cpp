// The real kiveron.exe as a user starts it: from a folder with its menu file,
// with or without arguments, closed every way a user closes it.
#include <gtest/gtest.h>

#include "app/launch_candidates.h"
#include "platform/text_helpers.h"
#include "support/menu_process.h"
#include "support/temp_folder.h"

#ifdef KIVERON_EXE

namespace {

TEST(KiveronProcess, AMissingMenuFileShowsOneErrorBoxAndNoDialog)
{
    TempFolder folder;
    MenuProcess process(KIVERON_EXE, folder.Path());
    HWND box = process.WaitForWindow(L"Kiveron");
    ASSERT_NE(nullptr, box);
    EXPECT_EQ(std::vector<HWND>{box}, process.TopLevelWindows());
    // The box names the file and gives the system's reason.
    const std::string expected =
        MenuLoadFailureText(folder.PathOf("kiveron.lst"), SystemErrorText(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(std::wstring(expected.begin(), expected.end()), MessageBoxText(box));
    EXPECT_NE(std::wstring::npos, MessageBoxText(box).find(L"kiveron.lst"));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(0u, process.WaitForExit());
}

TEST(KiveronProcess, EveryWayOfClosingEndsWithExitCodeZeroAndArgumentsChangeNothing)
{
    TempFolder folder;
    folder.WriteFile("kiveron.lst", "[Main]\r\nCaption=Process test\r\n"
                                    "[Element]\r\nName=First\r\n[Element]\r\nName=Second\r\n");
    const struct {
        const char* way;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    } ways[] = {
        {"close box", WM_SYSCOMMAND, SC_CLOSE, 0},
        {"IDCANCEL", WM_COMMAND, IDCANCEL, 0},
        {"Alt+F4", WM_SYSKEYDOWN, VK_F4, 1 << 29},
    };
    for (const char* arguments : {"", "/lang de other.lst \"quoted arg\""}) {
        for (const auto& way : ways) {
            SCOPED_TRACE(std::string(way.way) + " after [" + arguments + "]");
            MenuProcess process(KIVERON_EXE, folder.Path(), {arguments, "kiveron.exe", {}});
            HWND dialog = process.WaitForWindow(L"Process test");
            ASSERT_NE(nullptr, dialog);
            EXPECT_EQ(2, RowCount(dialog));
            PostMessageA(dialog, way.message, way.wParam, way.lParam);
            EXPECT_EQ(0u, process.WaitForExit());
        }
    }
}

} // namespace

#endif
