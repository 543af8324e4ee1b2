// A command naming a menu file opens that menu in the same window: rows,
// languages, exit text and picture change, the window keeps its size. A
// nested menu that cannot be read is reported, and the menu shown stays.
#include "disc_test.h"

#include "platform/text_helpers.h"
#include "platform/text_layer.h"
#include "resources/resource_ids.h"
#include "support/menu_process.h"
#include "support/running_menu.h"
#include "visible_pixels.h"

namespace {

const COLORREF kMainColour = RGB(180, 40, 40);
const COLORREF kToolsColour = RGB(30, 60, 170);
const POINT kPictureCorner = {4, 4};

// English only, no exit text and no warning message.
const char kMainMenu[] =
    "\xEF\xBB\xBF[Main]\r\n"
    "Caption_en=Main menu\r\n"
    "Picture=pictures\\main.bmp\r\n"
    "[Language]\r\nLocale=en\r\nName=English\r\n"
    "[Element]\r\nName=Tools\r\nCommand=\\tools\\tools.lst\r\n"
    "[Element]\r\nName=Broken\r\nCommand=\\tools\\missing.lst\r\n"
    "[Element]\r\nName=Set-up\r\nCommand=\\setup.exe\r\n";

// A second language, an exit text, a picture of another size, its own
// caption for both languages and a way back.
const char kToolsMenu[] =
    "\xEF\xBB\xBF[Main]\r\n"
    "Caption_en=Tools menu\r\n"
    "Caption_de=Werkzeuge\r\n"
    "Picture=pictures\\tools.bmp\r\n"
    "ExitText_en=Close the menu\r\n"
    "[Language]\r\nLocale=de\r\nName=Deutsch\r\n"
    "[Element]\r\nName=Back\r\nCommand=\\kiveron.lst\r\n"
    "[Element]\r\nName=Tool one\r\n"
    "[Element]\r\nName=Tool two\r\n"
    "[Element]\r\nName=Tool three\r\n";

class NestedMenu : public DiscTest {
protected:
    void SetUp() override
    {
        DiscTest::SetUp();
        if (HasFatalFailure())
            return;
        disc.WriteFile("kiveron.lst", kMainMenu);
        disc.WriteFile("tools\\tools.lst", kToolsMenu);
        disc.WriteFile("pictures\\main.bmp", SolidBitmapFile(420, 300, kMainColour));
        disc.WriteFile("pictures\\tools.bmp", SolidBitmapFile(300, 200, kToolsColour));
        record = PutRecorder("setup.exe");
    }

    static RECT WindowRect(HWND window)
    {
        RECT rect;
        GetWindowRect(window, &rect);
        return rect;
    }

    std::string record;
};

TEST_F(NestedMenu, ReplacesRowsLanguagesExitTextAndPictureInTheSameWindow)
{
    DiscMenu menu(disc);
    HWND dialog = menu.WaitForDialog(L"Main menu");
    ASSERT_NE(nullptr, dialog);
    ASSERT_TRUE(WaitForClientColour(dialog, kPictureCorner, kMainColour))
        << "the start menu's picture is not shown";
    const RECT frame = WindowRect(dialog);
    const int exitPixelsBefore = PixelsUnlike(menu.Control(IDC_EXIT_LINK), kMainColour);
    EXPECT_EQ(3, RowCount(menu));
    EXPECT_EQ(1, LanguageCount(menu));

    ASSERT_TRUE(menu.Activate(0));

    EXPECT_EQ(4, RowCount(menu));
    EXPECT_EQ(2, LanguageCount(menu)) << "the nested menu's language is appended";
    EXPECT_TRUE(WaitForClientColour(dialog, kPictureCorner, kToolsColour))
        << "the nested menu's picture is not shown";
    const RECT frameAfter = WindowRect(dialog);
    EXPECT_TRUE(EqualRect(&frame, &frameAfter)) << "the window was resized";
    // The start menu had no exit text, so the nested menu's completes it.
    const int exitPixelsAfter = PixelsUnlike(menu.Control(IDC_EXIT_LINK), kToolsColour);
    ASSERT_GE(exitPixelsBefore, 0) << "the exit link stays covered";
    ASSERT_GE(exitPixelsAfter, 0) << "the exit link stays covered";
    EXPECT_GT(exitPixelsAfter, exitPixelsBefore + 20) << "no exit text appeared";
    // A caption the start menu gave for the language stays; one it did not
    // give comes from the nested menu.
    EXPECT_EQ(L"Main menu", WindowCaption(dialog));
    menu.ChooseLanguage(1);
    EXPECT_EQ(L"Werkzeuge", WindowCaption(dialog));
    EXPECT_EQ(0u, menu.Close());
}

TEST_F(NestedMenu, LeadsBackToTheStartMenu)
{
    DiscMenu menu(disc);
    ASSERT_NE(nullptr, menu.WaitForDialog(L"Main menu"));
    ASSERT_TRUE(menu.Activate(0));
    ASSERT_EQ(4, RowCount(menu));

    ASSERT_TRUE(menu.ActivateWithKeyboard(0));
    EXPECT_EQ(3, RowCount(menu));
    ASSERT_TRUE(menu.Activate(2));
    EXPECT_NE("", WaitForFileContent(record)) << "the start menu's program does not start";
    EXPECT_EQ(0u, menu.Close());
}

TEST_F(NestedMenu, ThatCannotBeReadIsReportedAndTheMenuStaysUsable)
{
    DiscMenu menu(disc);
    HWND dialog = menu.WaitForDialog(L"Main menu");
    ASSERT_NE(nullptr, dialog);

    menu.PostActivate(1);
    HWND box = menu.WaitForOtherWindow();
    ASSERT_NE(nullptr, box) << "no error box";
    EXPECT_EQ(L"Kiveron", WindowCaption(box));
    const std::string expected = SystemErrorText(ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(AnsiToWide(expected), MessageBoxText(box));
    EXPECT_EQ(dialog, GetWindow(box, GW_OWNER));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntilClosed(box));

    ASSERT_TRUE(menu.Activate(2)) << "the menu does not answer after the box";
    EXPECT_NE("", WaitForFileContent(record)) << "the menu's program does not start";
    EXPECT_EQ(1u, menu.TopLevelWindows().size());
    EXPECT_EQ(3, RowCount(menu));
    EXPECT_EQ(L"Main menu", WindowCaption(dialog));
    EXPECT_TRUE(WaitForClientColour(dialog, kPictureCorner, kMainColour));
    EXPECT_EQ(0u, menu.Close());
}

} // namespace
