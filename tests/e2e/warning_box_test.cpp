// The warning a disc author gives before a program starts: on Windows 6.0
// and later it comes first, in a box that holds the launch back; older
// systems, an empty message and a nested menu go without it.
#include "disc_test.h"

namespace {

const char kWarnedMenu[] =
    "\xEF\xBB\xBF[Main]\r\nCaption=Warned disc\r\n"
    "WarningMsg_en=Close your other programs before the set-up starts.\r\n"
    "WarningMsg_de=Bitte schliessen Sie zuerst alle anderen Programme.\r\n"
    "[Language]\r\nLocale=en\r\nName=English\r\n"
    "[Element]\r\nName=Set-up\r\nCommand=\\setup.exe\r\n"
    "[Element]\r\nName=More\r\nCommand=\\more.lst\r\n";

class WarningBox : public DiscTest {
protected:
    void SetUp() override
    {
        DiscTest::SetUp();
        if (HasFatalFailure())
            return;
        record = PutRecorder("setup.exe");
        disc.WriteFile("more.lst", "[Main]\r\n[Element]\r\nName=A\r\n[Element]\r\nName=B\r\n"
                                   "[Element]\r\nName=C\r\n");
    }

    std::string record;
};

TEST_F(WarningBox, ComesFirstOnVersionSixAndLaterAndTheProgramStartsWhenItIsClosed)
{
    disc.WriteFile("kiveron.lst", kWarnedMenu);
    MenuProcess menu(KIVERON_EXE, disc.Root());
    HWND dialog = menu.WaitForWindow(L"Warned disc");
    ASSERT_NE(nullptr, dialog);

    PostActivate(dialog, 0);
    HWND box = menu.WaitForWindow(L"Kiveron");
    ASSERT_NE(nullptr, box) << "no warning box";
    EXPECT_EQ(L"Close your other programs before the set-up starts.", MessageBoxText(box));
    EXPECT_EQ(dialog, GetWindow(box, GW_OWNER));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(record.c_str()))
        << "the program started before the box was closed";

    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(disc.PathOf("setup.exe") + "\n" + disc.Root() + "\n", WaitForFileContent(record));
    EXPECT_EQ(0u, menu.Close(dialog));
}

TEST_F(WarningBox, IsNotShownOnXpForAnEmptyMessageOrForANestedMenu)
{
    const struct {
        const char* what;
        const char* version; // for the program named kiveron-<version>.exe
        std::string menu;
        int row;
    } cases[] = {
        {"Windows XP", "winxp", kWarnedMenu, 0},
        {"empty message", nullptr,
         "[Main]\r\nCaption=Warned disc\r\nWarningMsg_en=\r\nWarningMsg_de=Achtung\r\n"
         "[Language]\r\nLocale=en\r\n[Element]\r\nName=Set-up\r\nCommand=\\setup.exe\r\n",
         0},
        {"nested menu", nullptr, kWarnedMenu, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DeleteFileA(record.c_str());
        disc.WriteFile("kiveron.lst", c.menu);
        const std::string exeName = c.version ? std::string("kiveron-") + c.version + ".exe"
                                              : "kiveron.exe";
        const WineVersionOverride version(exeName, c.version ? c.version : "win10");
        ASSERT_TRUE(version.Applied());
        MenuProcess menu(KIVERON_EXE, disc.Root(), {"", exeName, {}});
        HWND dialog = menu.WaitForWindow(L"Warned disc");
        ASSERT_NE(nullptr, dialog);

        ASSERT_TRUE(Activate(dialog, c.row)) << "the activation waits for something, a box perhaps";
        EXPECT_EQ(1u, menu.TopLevelWindows().size());
        if (c.row == 0)
            EXPECT_NE("", WaitForFileContent(record)) << "the program was not started";
        else
            EXPECT_EQ(3, RowCount(dialog)) << "the nested menu was not opened";
        EXPECT_EQ(0u, menu.Close(dialog));
    }
}

} // namespace
