// A command naming a menu file opens that menu in the same window: rows,
// languages, exit text and picture change, the window keeps its size. A
// nested menu that cannot be read is reported, and the menu shown stays.
#include "disc.h"

#include "app/launch_candidates.h"

#include "platform/text_helpers.h"
#include "platform/text_layer.h"
#include "resources/resource_ids.h"
#include "support/running_menu.h"

namespace {

const COLORREF kMainColour = RGB(180, 40, 40);
const COLORREF kToolsColour = RGB(30, 60, 170);
const POINT kPictureCorner = {4, 4};

class NestedMenu : public DiscTest {};

TEST_F(NestedMenu, ABrokenOneIsReportedAndAReadableOneReplacesTheMenuInTheSameWindow)
{
    // English only, no exit text and no warning message.
    WriteOnDisc("kiveron.lst", "\xEF\xBB\xBF[Main]\r\nCaption_en=Main menu\r\n"
                               "Picture=pictures\\main.bmp\r\n"
                               "[Language]\r\nLocale=en\r\nName=English\r\n"
                               "[Element]\r\nName=Tools\r\nCommand=\\tools\\tools.lst\r\n"
                               "[Element]\r\nName=Broken\r\nCommand=\\tools\\missing.lst\r\n"
                               "[Element]\r\nName=Set-up\r\nCommand=\\setup.exe\r\n");
    // A second language, an exit text, a picture of another size and a
    // caption for both languages.
    WriteOnDisc("tools\\tools.lst", "\xEF\xBB\xBF[Main]\r\nCaption_en=Tools menu\r\n"
                                    "Caption_de=Werkzeuge\r\nPicture=pictures\\tools.bmp\r\n"
                                    "ExitText_en=Close the menu\r\n"
                                    "[Language]\r\nLocale=de\r\nName=Deutsch\r\n"
                                    "[Element]\r\nName=One\r\n[Element]\r\nName=Two\r\n"
                                    "[Element]\r\nName=Three\r\n[Element]\r\nName=Four\r\n");
    WriteOnDisc("pictures\\main.bmp", SolidBitmapFile(420, 300, kMainColour));
    WriteOnDisc("pictures\\tools.bmp", SolidBitmapFile(300, 200, kToolsColour));
    const std::string record = PutRecorder("setup.exe");
    MenuProcess menu(KIVERON_EXE, Root());
    HWND dialog = menu.WaitForWindow(L"Main menu");
    ASSERT_NE(nullptr, dialog);
    RECT frame, exitLink, frameAfter;
    GetWindowRect(dialog, &frame);
    GetWindowRect(GetDlgItem(dialog, IDC_EXIT_LINK), &exitLink);
    ASSERT_TRUE(WaitForClientColour(dialog, kPictureCorner, kMainColour));
    const int exitPixelsBefore = PixelsUnlike(dialog, exitLink, kMainColour);
    ASSERT_GE(exitPixelsBefore, 0) << "the exit link stays covered";

    PostActivate(dialog, 1);
    HWND box = menu.WaitForWindow(L"Kiveron");
    ASSERT_NE(nullptr, box) << "no error box";
    EXPECT_EQ(AnsiToWide(MenuLoadFailureText(PathOf("tools\\missing.lst"),
                                             SystemErrorText(ERROR_FILE_NOT_FOUND))),
              MessageBoxText(box));
    EXPECT_EQ(dialog, GetWindow(box, GW_OWNER));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    ASSERT_TRUE(Activate(dialog, 2)) << "the menu does not answer after the box";
    EXPECT_NE("", WaitForFileContent(record)) << "the menu's program does not start";
    EXPECT_EQ(std::vector<HWND>{dialog}, menu.TopLevelWindows());
    EXPECT_EQ(3, RowCount(dialog));
    EXPECT_EQ(1, LanguageCount(dialog));
    EXPECT_TRUE(WaitForClientColour(dialog, kPictureCorner, kMainColour));

    ASSERT_TRUE(Activate(dialog, 0));
    EXPECT_EQ(4, RowCount(dialog));
    EXPECT_EQ(2, LanguageCount(dialog)) << "the nested menu's language is appended";
    EXPECT_TRUE(WaitForClientColour(dialog, kPictureCorner, kToolsColour));
    GetWindowRect(dialog, &frameAfter);
    EXPECT_TRUE(EqualRect(&frame, &frameAfter)) << "the window was resized";
    // The start menu had no exit text, so the nested menu's completes it.
    EXPECT_GT(PixelsUnlike(dialog, exitLink, kToolsColour), exitPixelsBefore + 20);
    // A caption the start menu gave for the language stays; one it did not
    // give comes from the nested menu.
    EXPECT_EQ(L"Main menu", WindowCaption(dialog));
    ChooseLanguage(dialog, 1);
    EXPECT_EQ(L"Werkzeuge", WindowCaption(dialog));
    EXPECT_EQ(0u, menu.Close(dialog));
}

} // namespace
