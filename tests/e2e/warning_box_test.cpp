// The warning a disc author gives before a program starts: from Windows 6.0
// on it comes first, in a box that holds the launch back; older systems, an
// empty message and a nested menu go without it.
#include "disc.h"

namespace {

const char kWarnedMenu[] =
    "\xEF\xBB\xBF[Main]\r\nCaption=Warned disc\r\n"
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
    disc.WriteFile("more.lst", "[Main]\r\n[Element]\r\nName=A\r\n[Element]\r\nName=B\r\n"
                               "[Element]\r\nName=C\r\n");
    const struct { const char* version; const char* menu; int row; bool warned; } cases[] = {
        {"vista", kWarnedMenu, 0, true},
        {"win10", kWarnedMenu, 0, true},
        {"winxp", kWarnedMenu, 0, false},
        {"win10", kEmptyMessageMenu, 0, false},
        {"win10", kWarnedMenu, 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.version) + " row " + std::to_string(c.row) + " " + c.menu);
        DeleteFileA(record.c_str());
        disc.WriteFile("kiveron.lst", c.menu);
        const std::string exeName = std::string("kiveron-") + c.version + ".exe";
        const RegistryValue version(HKEY_CURRENT_USER, kWineAppDefaults + exeName, "Version",
                                    c.version);
        ASSERT_TRUE(version.set);
        MenuProcess menu(KIVERON_EXE, disc.Root(), {"", exeName, {}});
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
            EXPECT_EQ(disc.PathOf("setup.exe") + "\n" + disc.Root() + "\n",
                      WaitForFileContent(record));
        else
            EXPECT_EQ(3, RowCount(dialog)) << "the nested menu was not opened";
        EXPECT_EQ(0u, menu.Close(dialog));
    }
}

} // namespace
