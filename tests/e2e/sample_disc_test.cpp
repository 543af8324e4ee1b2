// The sample disc as a disc author gets it, started from the root of a
// drive: every language shows its caption, the tools menu opens in the same
// window with its own picture, and the way back leads to the start without
// listing a language twice.
#include "disc.h"

#include "resources/resource_ids.h"

namespace {

// In the header band of the 560x360 pictures, where the two differ.
const POINT kHeaderPoint = {300, 30};

// The colour at kHeaderPoint of a 24-bit bottom-up BMP file of the sources.
COLORREF HeaderColour(const char* hostPath)
{
    const std::string bytes = HostFileBytes(hostPath);
    const size_t offset = 54 + (359 - kHeaderPoint.y) * 560 * 3 + kHeaderPoint.x * 3;
    if (bytes.size() < offset + 3)
        return CLR_INVALID;
    return RGB(BYTE(bytes[offset + 2]), BYTE(bytes[offset + 1]), BYTE(bytes[offset]));
}

class SampleDisc : public DiscTest {};

TEST_F(SampleDisc, ShowsEachLanguageAndItsToolsMenuAndLeadsBack)
{
    ASSERT_TRUE(CopyFolderOntoDisc(SAMPLE_DISC_DIR));
    const COLORREF mainPicture = HeaderColour(SAMPLE_DISC_DIR "/pictures/background.bmp");
    const COLORREF toolsPicture = HeaderColour(SAMPLE_DISC_DIR "/pictures/tools.bmp");
    ASSERT_NE(mainPicture, toolsPicture);
    // In the order the menu declares its languages.
    const std::wstring captions[] = {
        L"Kiveron Sample Disc", L"Kiveron-Beispiel-CD",
        L"\x041F\x0440\x0438\x043C\x0435\x0440 \x0434\x0438\x0441\x043A\x0430 Kiveron"};

    MenuProcess menu(KIVERON_EXE, Root());
    HWND dialog = menu.WaitForWindow();
    ASSERT_NE(nullptr, dialog);
    // Which language comes first depends on the user's.
    const int chosen = ChosenLanguage(dialog);
    ASSERT_TRUE(chosen >= 0 && chosen < 3) << chosen;
    EXPECT_EQ(captions[chosen], WindowCaption(dialog));
    RECT client;
    GetClientRect(dialog, &client);
    EXPECT_EQ(560, client.right);
    EXPECT_EQ(360, client.bottom);
    EXPECT_TRUE(WaitForClientColour(dialog, kHeaderPoint, mainPicture));
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, IDC_LANGUAGE_COMBO)));
    for (int language = 0; language < 3; ++language) {
        ChooseLanguage(dialog, language);
        EXPECT_EQ(captions[language], WindowCaption(dialog));
        EXPECT_EQ(3, RowCount(dialog)) << "every entry has a name in language " << language;
    }
    // To the tools and back to the start: the tools menu declares no
    // language of its own, and the caption stays.
    for (const COLORREF picture : {toolsPicture, mainPicture}) {
        ASSERT_TRUE(Activate(dialog, 2));
        EXPECT_TRUE(WaitForClientColour(dialog, kHeaderPoint, picture)) << picture;
        EXPECT_EQ(3, RowCount(dialog));
        EXPECT_EQ(3, LanguageCount(dialog));
        EXPECT_EQ(captions[2], WindowCaption(dialog));
    }
    EXPECT_EQ(0u, menu.Close(dialog));
}

} // namespace
