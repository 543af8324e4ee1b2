// What an entry's command starts when the menu runs from the root of a disc:
// a program with its arguments, a document in the program registered for it,
// and nothing at all for a name that is not there or for a menu file name
// written in capitals.
#include "disc.h"

namespace {

// No warning message: each activation runs to its end without a box.
std::string MenuWithCommands(const std::vector<std::string>& commands)
{
    std::string menu = "\xEF\xBB\xBF[Main]\r\nCaption=Launch disc\r\n";
    for (const std::string& command : commands)
        menu += "[Element]\r\nName=Row\r\nCommand=" + command + "\r\n";
    return menu;
}

class Launching : public DiscTest {};

TEST_F(Launching, AProgramGetsItsArgumentsAndADocumentOpensInItsRegisteredProgram)
{
    const std::string viewed = PutRecorder("viewer\\viewer.exe");
    // Registered in the classes root itself: Wine's shell does not look at the
    // user's own classes.
    const RegistryValue type(HKEY_CLASSES_ROOT, ".kivdoc", nullptr, "KiveronTestDocument");
    const RegistryValue opener(HKEY_CLASSES_ROOT, "KiveronTestDocument\\shell\\open\\command",
                               nullptr, "\"" + disc.PathOf("viewer\\viewer.exe") + "\" \"%1\"",
                               "KiveronTestDocument");
    ASSERT_TRUE(type.set && opener.set);
    disc.WriteFile("docs\\guide.kivdoc", "A document of a made-up type.\r\n");
    // From a folder of the disc the program beside the menu is found second,
    // the folder keeping its trailing separator before the command's own;
    // from the root, where the program is put last, the first place tried.
    const struct { const char* exeName; const char* program; const char* started; } cases[] = {
        {"menu\\kiveron.exe", "menu\\setup\\install.exe", "menu\\\\setup\\install.exe"},
        {"kiveron.exe", "setup\\install.exe", "setup\\install.exe"},
    };
    const std::string menuFile =
        MenuWithCommands({"\\docs\\guide.kivdoc", "\\setup\\install.exe /lang ru \"two words\""});
    disc.WriteFile("kiveron.lst", menuFile);
    disc.WriteFile("menu\\kiveron.lst", menuFile);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.exeName);
        const std::string record = PutRecorder(c.program);
        DeleteFileA(viewed.c_str());
        MenuProcess menu(KIVERON_EXE, disc.Root(), {"", c.exeName, {}});
        HWND dialog = menu.WaitForWindow(L"Launch disc");
        ASSERT_NE(nullptr, dialog);
        ASSERT_TRUE(Activate(dialog, 1));
        EXPECT_EQ(disc.PathOf(c.started) + " /lang ru \"two words\"\n" + disc.Root() + "\n",
                  WaitForFileContent(record));
        ASSERT_TRUE(Activate(dialog, 0));
        const std::string opened = WaitForFileContent(viewed);
        EXPECT_NE(std::string::npos, opened.find("\"" + disc.PathOf("docs\\guide.kivdoc") + "\""))
            << opened;
        EXPECT_EQ(0u, menu.Close(dialog));
    }
}

TEST_F(Launching, ACommandThatNamesNothingStartsAndShowsNothing)
{
    // MORE.LST is a readable menu: were it taken for a nested one, its one
    // row would replace the three of the start menu.
    disc.WriteFile("MORE.LST", "[Main]\r\nCaption=More\r\n[Element]\r\nName=Only row\r\n");
    disc.WriteFile("kiveron.lst", MenuWithCommands({"\\not-on-this-disc.exe",
                                                    "missing folder\\missing.doc", "\\MORE.LST"}));
    MenuProcess menu(KIVERON_EXE, disc.Root());
    HWND dialog = menu.WaitForWindow(L"Launch disc");
    ASSERT_NE(nullptr, dialog);
    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE(row);
        ASSERT_TRUE(Activate(dialog, row)) << "the activation waits, for a box perhaps";
        EXPECT_TRUE(menu.ChildProcessIds().empty());
        EXPECT_EQ(std::vector<HWND>{dialog}, menu.TopLevelWindows());
        EXPECT_EQ(L"Launch disc", WindowCaption(dialog));
        EXPECT_EQ(3, RowCount(dialog));
    }
    EXPECT_EQ(0u, menu.Close(dialog));
}

} // namespace
