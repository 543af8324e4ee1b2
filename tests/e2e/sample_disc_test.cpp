// The sample disc as a disc author gets it: its menus, pictures and texts,
// started from the root of a drive. Every language shows its caption, the
// tools menu opens in the same window with its own picture, the way back
// leads to the start without listing a language twice, and the demo program
// and the readme open from it.
#include "disc_test.h"

#include <fstream>
#include <iterator>

#include "resources/resource_ids.h"
#include "support/menu_process.h"
#include "visible_pixels.h"

namespace {

const int kPictureWidth = 560;
const int kPictureHeight = 360;
// In the header band, where the two pictures differ.
const POINT kHeaderPoint = {300, 30};

// The captions in the order the menu declares its languages.
const std::vector<std::wstring> kCaptions = {
    L"Kiveron Sample Disc",
    L"Kiveron-Beispiel-CD",
    L"\x041F\x0440\x0438\x043C\x0435\x0440 \x0434\x0438\x0441\x043A\x0430 Kiveron",
};

// The colour of a pixel of a 24-bit bottom-up BMP file of the sources.
COLORREF BitmapPixel(const std::string& hostPath, POINT point)
{
    std::ifstream file(HostPath(hostPath), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const int rowSize = (kPictureWidth * 3 + 3) & ~3;
    const size_t offset = 54 + static_cast<size_t>(kPictureHeight - 1 - point.y) * rowSize + point.x * 3;
    if (bytes.size() < offset + 3)
        return CLR_INVALID;
    const auto byte = [&](size_t at) { return static_cast<BYTE>(bytes[at]); };
    return RGB(byte(offset + 2), byte(offset + 1), byte(offset));
}

class SampleDisc : public DiscTest {
protected:
    void SetUp() override
    {
        DiscTest::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(disc.CopyTreeIn(SAMPLE_DISC_DIR));
        mainPicture = BitmapPixel(SAMPLE_DISC_DIR "/pictures/background.bmp", kHeaderPoint);
        toolsPicture = BitmapPixel(SAMPLE_DISC_DIR "/pictures/tools.bmp", kHeaderPoint);
        ASSERT_NE(mainPicture, toolsPicture);
    }

    // Any of the three captions: which one depends on the user's language.
    static HWND WaitForSampleDialog(DiscMenu& menu) { return menu.WaitForDialog(kCaptions); }

    COLORREF mainPicture = CLR_INVALID;
    COLORREF toolsPicture = CLR_INVALID;
};

TEST_F(SampleDisc, ShowsItsStartMenuInEachOfItsLanguages)
{
    DiscMenu menu(disc);
    HWND dialog = WaitForSampleDialog(menu);
    ASSERT_NE(nullptr, dialog);
    const int chosen = menu.ChosenLanguage();
    ASSERT_GE(chosen, 0);
    ASSERT_LT(chosen, 3);
    EXPECT_EQ(kCaptions[chosen], WindowCaption(dialog)) << "the caption is not the chosen language's";

    RECT client;
    GetClientRect(dialog, &client);
    EXPECT_EQ(kPictureWidth, client.right) << "the window is not fitted to the picture";
    EXPECT_EQ(kPictureHeight, client.bottom) << "the window is not fitted to the picture";
    EXPECT_TRUE(WaitForClientColour(dialog, kHeaderPoint, mainPicture)) << "the picture is not shown";
    EXPECT_EQ(3, LanguageCount(menu));
    EXPECT_TRUE(IsWindowVisible(menu.Control(IDC_LANGUAGE_COMBO)));

    for (int language = 0; language < 3; ++language) {
        SCOPED_TRACE(language);
        menu.ChooseLanguage(language);
        EXPECT_EQ(kCaptions[language], WindowCaption(dialog));
        EXPECT_EQ(3, RowCount(menu)) << "every entry has a name in every language";
    }
    EXPECT_EQ(0u, menu.Close());
}

TEST_F(SampleDisc, OpensItsToolsMenuInTheSameWindowAndLeadsBack)
{
    DiscMenu menu(disc);
    HWND dialog = WaitForSampleDialog(menu);
    ASSERT_NE(nullptr, dialog);
    const std::wstring caption = WindowCaption(dialog);
    ASSERT_TRUE(WaitForClientColour(dialog, kHeaderPoint, mainPicture));

    ASSERT_TRUE(menu.Activate(2)) << "More tools";
    EXPECT_TRUE(WaitForClientColour(dialog, kHeaderPoint, toolsPicture))
        << "the tools menu's picture is not shown";
    EXPECT_EQ(3, RowCount(menu));
    EXPECT_EQ(3, LanguageCount(menu)) << "the tools menu declares no language of its own";
    EXPECT_EQ(caption, WindowCaption(dialog));

    ASSERT_TRUE(menu.Activate(2)) << "Back to the start";
    EXPECT_TRUE(WaitForClientColour(dialog, kHeaderPoint, mainPicture))
        << "the start menu's picture is not shown again";
    EXPECT_EQ(3, RowCount(menu));
    EXPECT_EQ(3, LanguageCount(menu)) << "the way back lists a language twice";
    EXPECT_EQ(caption, WindowCaption(dialog));
    EXPECT_EQ(0u, menu.Close());
}

#ifdef DEMO_EXE
TEST_F(SampleDisc, StartsItsDemoProgramAfterTheWarning)
{
    ASSERT_TRUE(disc.CopyIn(DEMO_EXE, "demo.exe"));
    DiscMenu menu(disc);
    ASSERT_NE(nullptr, WaitForSampleDialog(menu));
    menu.ChooseLanguage(0);

    menu.PostActivate(0);
    HWND warning = menu.WaitForOtherWindow();
    ASSERT_NE(nullptr, warning) << "no warning box";
    EXPECT_EQ(L"The program you chose starts from the disc now. If Windows asks whether it "
              L"may run, confirm to go on.",
              MessageBoxText(warning));
    PostMessageA(warning, WM_COMMAND, IDOK, 0);

    HWND demoBox = menu.WaitForChildWindow();
    ASSERT_NE(nullptr, demoBox) << "the demo program shows nothing";
    EXPECT_EQ(L"Kiveron sample disc", WindowCaption(demoBox));
    const std::string program = disc.PathOf("demo.exe");
    const std::wstring text = MessageBoxText(demoBox);
    EXPECT_NE(std::wstring::npos,
              text.find(L"Program: " + std::wstring(program.begin(), program.end())))
        << "not started from the disc";
    EXPECT_NE(std::wstring::npos, text.find(L"Arguments: /from-menu")) << "without its argument";
    PostMessageA(demoBox, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitUntilClosed(demoBox));
    EXPECT_EQ(0u, menu.Close());
}
#endif

// Wine's prefix registers no program for .txt files, so the readme is opened
// here the way the tools menu does it: Notepad from the Windows folder, with
// the readme of the disc as its argument.
TEST_F(SampleDisc, OpensItsReadmeInNotepadFromTheToolsMenu)
{
    DiscMenu menu(disc);
    ASSERT_NE(nullptr, WaitForSampleDialog(menu));
    menu.ChooseLanguage(0);
    ASSERT_TRUE(menu.Activate(2)) << "More tools";

    menu.PostActivate(1);
    HWND warning = menu.WaitForOtherWindow();
    ASSERT_NE(nullptr, warning) << "no warning box";
    PostMessageA(warning, WM_COMMAND, IDOK, 0);

    HWND editor = menu.WaitForChildWindow();
    ASSERT_NE(nullptr, editor) << "Notepad did not start";
    EXPECT_TRUE(WaitForCaptionContaining(editor, L"readme")) << "Notepad shows something else";
    PostMessageA(editor, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntilClosed(editor));
    EXPECT_EQ(0u, menu.Close());
}

TEST_F(SampleDisc, HasAnAutorunFileThatStartsTheMenu)
{
    std::ifstream file(HostPath(SAMPLE_DISC_DIR "/autorun.inf"), std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(0u, text.find("[autorun]\r\n"));
    EXPECT_NE(std::string::npos, text.find("\r\nopen=kiveron.exe\r\n"));
    EXPECT_NE(std::string::npos, text.find("\r\nicon=kiveron.exe\r\n"));
}

} // namespace
