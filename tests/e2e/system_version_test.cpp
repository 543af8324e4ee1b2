// What the system's version changes. The warning a disc author gives before a
// program starts: from Windows 6.0 on it comes first, in a box that holds the
// launch back; older systems, an empty message and a nested menu go without
// it. On the Windows 9x family the menu speaks to the system in the ANSI code
// page: a Russian user there still sees the Russian texts (the file's UTF-8
// converted to code page 1251), and Russian is chosen at start.
#include "disc.h"

namespace {

const char kWarnedMenu[] = "\xEF\xBB\xBF[Main]\r\nCaption=Warned disc\r\n"
                           "WarningMsg_en=Close your other programs before the set-up starts.\r\n"
                           "WarningMsg_de=Bitte schliessen Sie zuerst alle anderen Programme.\r\n"
                           "[Language]\r\nLocale=en\r\nName=English\r\n"
                           "[Element]\r\nName=Set-up\r\nCommand=\\setup.exe\r\n"
                           "[Element]\r\nName=More\r\nCommand=\\more.lst\r\n";
// The English message is empty; the German one, not chosen, is not.
const char kEmptyMessageMenu[] =
    "[Main]\r\nCaption=Warned disc\r\nWarningMsg_en=\r\nWarningMsg_de=Achtung\r\n"
    "[Language]\r\nLocale=en\r\n[Element]\r\nName=Set-up\r\nCommand=\\setup.exe\r\n";

class WarningBox : public DiscTest {};

TEST_F(WarningBox, ComesFirstFromVersionSixOnButNotOnXpForAnEmptyMessageOrANestedMenu)
{
    const std::string record = PutRecorder("setup.exe");
    WriteOnDisc("more.lst", "[Main]\r\n[Element]\r\nName=A\r\n[Element]\r\nName=B\r\n"
                            "[Element]\r\nName=C\r\n");
    const struct {
        const char* version;
        const char* menu;
        int row;
        bool warned;
    } cases[] = {
        {"vista", kWarnedMenu, 0, true},  {"win10", kWarnedMenu, 0, true},
        {"winxp", kWarnedMenu, 0, false}, {"win10", kEmptyMessageMenu, 0, false},
        {"win10", kWarnedMenu, 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.version) + " row " + std::to_string(c.row) + " " + c.menu);
        DeleteFileA(record.c_str());
        WriteOnDisc("kiveron.lst", c.menu);
        const std::string exeName = std::string("kiveron-") + c.version + ".exe";
        const RegistryValue version(HKEY_CURRENT_USER, kWineAppDefaults + exeName, "Version",
                                    c.version);
        ASSERT_TRUE(version.set);
        MenuProcess menu(KIVERON_EXE, Root(), {"", exeName, {}});
        HWND dialog = menu.WaitForWindow(L"Warned disc");
        ASSERT_NE(nullptr, dialog);

        if (c.warned) {
            PostActivate(dialog, c.row);
            HWND box = menu.WaitForWindow(L"Kiveron");
            ASSERT_NE(nullptr, box) << "no warning box";
            EXPECT_EQ(L"Close your other programs before the set-up starts.", MessageBoxText(box));
            EXPECT_EQ(dialog, GetWindow(box, GW_OWNER));
            EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(record.c_str()))
                << "the program started before the box was closed";
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        } else {
            ASSERT_TRUE(Activate(dialog, c.row)) << "the activation waits, for a box perhaps";
            EXPECT_EQ(1u, menu.TopLevelWindows().size());
        }
        if (c.row == 0)
            EXPECT_EQ(PathOf("setup.exe") + "\n" + Root() + "\n", WaitForFileContent(record));
        else
            EXPECT_EQ(3, RowCount(dialog)) << "the nested menu was not opened";
        EXPECT_EQ(0u, menu.Close(dialog));
    }
}

const char kBilingualMenu[] =
    "\xEF\xBB\xBF[Main]\r\nCaption_en=Sample disc\r\n"
    "Caption_ru=\xD0\x9F\xD1\x80\xD0\xB8\xD0\xBC\xD0\xB5\xD1\x80 "
    "\xD0\xB4\xD0\xB8\xD1\x81\xD0\xBA\xD0\xB0\r\n"
    "WarningMsg_ru=\xD0\x92\xD0\xBD\xD0\xB8\xD0\xBC\xD0\xB0\xD0\xBD\xD0\xB8\xD0\xB5\r\n"
    "[Language]\r\nLocale=en\r\nName=English\r\n"
    "[Language]\r\nLocale=ru\r\nName=\xD0\xA0\xD1\x83\xD1\x81\xD1\x81\xD0\xBA\xD0\xB8\xD0\xB9\r\n"
    "[Element]\r\nName_en=Set-up\r\n"
    "Name_ru=\xD0\xA3\xD1\x81\xD1\x82\xD0\xB0\xD0\xBD\xD0\xBE\xD0\xB2\xD0\xBA\xD0\xB0\r\n"
    "Command=\\setup.exe\r\n"
    "[Element]\r\nName_ru=\xD0\xA2\xD0\xBE\xD0\xBB\xD1\x8C\xD0\xBA\xD0\xBE\r\n";

class AnsiPath : public DiscTest {};

TEST_F(AnsiPath, ARussianUserOnWindows98SeesTheRussianMenu)
{
    WriteOnDisc("kiveron.lst", kBilingualMenu);
    const std::string record = PutRecorder("setup.exe");
    const RegistryValue ninetyEight(HKEY_CURRENT_USER, kWineAppDefaults + "kiveron-98.exe",
                                    "Version", "win98");
    ASSERT_TRUE(ninetyEight.set);
    // Wine takes the user's language and the ANSI code page from LC_ALL,
    // which needs the locale to be installed on the machine.
    MenuProcess menu(KIVERON_EXE, Root(), {"", "kiveron-98.exe", {"LC_ALL=ru_RU.UTF-8"}});

    HWND dialog =
        menu.WaitForWindow(L"\x041F\x0440\x0438\x043C\x0435\x0440 \x0434\x0438\x0441\x043A\x0430");
    ASSERT_NE(nullptr, dialog) << "no Russian caption; is the ru_RU.UTF-8 locale installed?";
    EXPECT_FALSE(IsWindowUnicode(dialog)) << "the dialog was not made through the ANSI calls";
    EXPECT_EQ(1, ChosenLanguage(dialog)) << "Russian is not chosen";
    EXPECT_EQ(2, RowCount(dialog)) << "both entries have a Russian name";
    // Version 4: the Russian warning is not shown.
    ASSERT_TRUE(Activate(dialog, 0)) << "the activation waits, for a box perhaps";
    EXPECT_NE("", WaitForFileContent(record));
    EXPECT_EQ(0u, menu.Close(dialog));
}

} // namespace
