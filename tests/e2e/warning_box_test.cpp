// The warning a disc author gives before a program starts: on Windows 6.0
// and later it comes first, in a box that holds the launch back; older
// systems, an empty message and a nested menu go without it.
#include "disc_test.h"

#include "support/menu_process.h"
#include "wine_version_override.h"

namespace {

const char kWarnedMenu[] =
    "\xEF\xBB\xBF[Main]\r\n"
    "Caption=Warned disc\r\n"
    "WarningMsg_en=Close your other programs before the set-up starts.\r\n"
    "WarningMsg_de=Bitte schliessen Sie zuerst alle anderen Programme.\r\n"
    "[Language]\r\nLocale=en\r\nName=English\r\n"
    "[Element]\r\nName=Set-up\r\nCommand=\\setup.exe\r\n"
    "[Element]\r\nName=More\r\nCommand=\\more.lst\r\n";

const char kMoreMenu[] =
    "[Main]\r\n"
    "[Element]\r\nName=First of more\r\nCommand=\\setup.exe\r\n"
    "[Element]\r\nName=Second of more\r\n"
    "[Element]\r\nName=Third of more\r\n";

class WarningBox : public DiscTest {
protected:
    void SetUp() override
    {
        DiscTest::SetUp();
        if (HasFatalFailure())
            return;
        record = PutRecorder("setup.exe");
        disc.WriteFile("more.lst", kMoreMenu);
    }

    // Activates the set-up row, which must start the program without any
    // box in between: a box would hold the activation until it is closed.
    void ExpectStartWithoutBox(DiscMenu& menu)
    {
        ASSERT_NE(nullptr, menu.WaitForDialog(L"Warned disc"));
        ASSERT_TRUE(menu.Activate(0)) << "the activation waits for something, a box perhaps";
        EXPECT_EQ(1u, menu.TopLevelWindows().size());
        EXPECT_NE("", WaitForFileContent(record)) << "the program was not started";
        EXPECT_EQ(0u, menu.Close());
    }

    std::string record;
};

TEST_F(WarningBox, ComesFirstOnVersionSixAndLaterAndTheProgramStartsWhenItIsClosed)
{
    disc.WriteFile("kiveron.lst", kWarnedMenu);
    DiscMenu menu(disc);
    ASSERT_NE(nullptr, menu.WaitForDialog(L"Warned disc"));

    menu.PostActivate(0);
    HWND box = menu.WaitForOtherWindow();
    ASSERT_NE(nullptr, box) << "no warning box";
    EXPECT_EQ(L"Kiveron", WindowCaption(box));
    EXPECT_EQ(L"Close your other programs before the set-up starts.", MessageBoxText(box));
    EXPECT_EQ(menu.Dialog(), GetWindow(box, GW_OWNER));
    EXPECT_FALSE(disc.Exists("setup.txt")) << "the program started before the box was closed";

    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitUntilClosed(box));
    const std::string started = WaitForFileContent(record);
    EXPECT_EQ(disc.PathOf("setup.exe"), RecordedCommandLine(started));
    EXPECT_EQ(0u, menu.Close());
}

TEST_F(WarningBox, IsNotShownOnWindowsXp)
{
    disc.WriteFile("kiveron.lst", kWarnedMenu);
    const WineVersionOverride xp("kiveron-xp.exe", "winxp");
    ASSERT_TRUE(xp.Applied());
    DiscMenu::Options options;
    options.exeName = "kiveron-xp.exe";
    DiscMenu menu(disc, options);
    ExpectStartWithoutBox(menu);
}

TEST_F(WarningBox, IsNotShownForAnEmptyMessage)
{
    disc.WriteFile("kiveron.lst",
                   "[Main]\r\nCaption=Warned disc\r\nWarningMsg_en=\r\nWarningMsg_de=Achtung\r\n"
                   "[Language]\r\nLocale=en\r\n"
                   "[Element]\r\nName=Set-up\r\nCommand=\\setup.exe\r\n");
    DiscMenu menu(disc);
    ExpectStartWithoutBox(menu);
}

TEST_F(WarningBox, IsNotShownForANestedMenu)
{
    disc.WriteFile("kiveron.lst", kWarnedMenu);
    DiscMenu menu(disc);
    ASSERT_NE(nullptr, menu.WaitForDialog(L"Warned disc"));
    ASSERT_EQ(2, RowCount(menu));

    ASSERT_TRUE(menu.Activate(1)) << "the activation waits for something, a box perhaps";
    EXPECT_EQ(3, RowCount(menu)) << "the nested menu was not opened";
    EXPECT_EQ(1u, menu.TopLevelWindows().size());
    EXPECT_EQ(0u, menu.Close());
}

} // namespace
