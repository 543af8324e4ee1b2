// What an entry's command starts when the menu runs from a disc: a program
// with its arguments, a document in the program registered for it, a
// shortcut's target with the arguments given after it, and nothing at all for
// an entry without a command, a name that is not there or a menu file name
// written in capitals.
#include "disc.h"

#include <shlobj.h>

namespace {

class Launching : public DiscTest {};

TEST_F(Launching, ProgramsGetTheirArgumentsDocumentsTheirProgramAndMissingNamesNothing)
{
    const std::string viewed = PutRecorder("viewer\\viewer.exe");
    // Registered in the classes root itself: Wine's shell does not look at the
    // user's own classes.
    const RegistryValue type(HKEY_CLASSES_ROOT, ".kivdoc", nullptr, "KiveronTestDocument");
    const RegistryValue opener(HKEY_CLASSES_ROOT, "KiveronTestDocument\\shell\\open\\command",
                               nullptr, "\"" + PathOf("viewer\\viewer.exe") + "\" \"%1\"",
                               "KiveronTestDocument");
    ASSERT_TRUE(type.set && opener.set);
    WriteOnDisc("docs\\guide.kivdoc", "A document of a made-up type.\r\n");
    // A readable menu: were it taken for a nested one, its one row would
    // replace the five of the start menu.
    WriteOnDisc("MORE.LST", "[Main]\r\nCaption=More\r\n[Element]\r\nName=Only row\r\n");
    // No warning message: each activation runs to its end without a box. The
    // entry without a command would otherwise open the drive's folder.
    std::string menuFile = "\xEF\xBB\xBF[Main]\r\nCaption=Launch disc\r\n[Element]\r\nName=Row\r\n";
    for (const char* command :
         {"\\not-on-this-disc.exe", "missing folder\\missing.doc", "\\MORE.LST",
          "\\docs\\guide.kivdoc", "\\setup\\install.exe /lang ru \"two words\""})
        menuFile += std::string("[Element]\r\nName=Row\r\nCommand=") + command + "\r\n";
    WriteOnDisc("kiveron.lst", menuFile);
    WriteOnDisc("menu\\kiveron.lst", menuFile);
    // From a folder of the disc the program beside the menu is found second,
    // the folder keeping its trailing separator before the command's own;
    // from the root, where the program is put last, the first place tried.
    const struct {
        const char* exeName;
        const char* program;
        const char* started;
    } cases[] = {
        {"menu\\kiveron.exe", "menu\\setup\\install.exe", "menu\\\\setup\\install.exe"},
        {"kiveron.exe", "setup\\install.exe", "setup\\install.exe"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.exeName);
        const std::string record = PutRecorder(c.program);
        DeleteFileA(viewed.c_str());
        MenuProcess menu(KIVERON_EXE, Root(), {"", c.exeName, {}});
        HWND dialog = menu.WaitForWindow(L"Launch disc");
        ASSERT_NE(nullptr, dialog);
        for (int row = 0; row < 4; ++row) {
            ASSERT_TRUE(Activate(dialog, row)) << "the activation waits, for a box perhaps";
            EXPECT_TRUE(menu.ChildProcessIds().empty()) << row;
            EXPECT_EQ(std::vector<HWND>{dialog}, menu.TopLevelWindows()) << row;
            EXPECT_EQ(L"Launch disc", WindowCaption(dialog)) << row;
            EXPECT_EQ(6, RowCount(dialog)) << row;
        }
        ASSERT_TRUE(Activate(dialog, 5));
        EXPECT_EQ(PathOf(c.started) + " /lang ru \"two words\"\n" + Root() + "\n",
                  WaitForFileContent(record));
        ASSERT_TRUE(Activate(dialog, 4));
        const std::string opened = WaitForFileContent(viewed);
        EXPECT_NE(std::string::npos, opened.find("\"" + PathOf("docs\\guide.kivdoc") + "\""))
            << opened;
        EXPECT_EQ(0u, menu.Close(dialog));
    }
}

// Process creation cannot start a shortcut: the shell opens it, and is
// given the arguments apart from it.
TEST_F(Launching, AShortcutGivenWithArgumentsStartsItsTargetWithThem)
{
    const std::string record = PutRecorder("tools\\target.exe");
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                           IID_IShellLinkA, reinterpret_cast<void**>(&link))));
    link->SetPath(PathOf("tools\\target.exe").c_str());
    const std::string root = Root();
    const std::wstring shortcut = std::wstring(root.begin(), root.end()) + L"tool.lnk";
    const bool saved =
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Save(shortcut.c_str(), TRUE));
    if (file != nullptr)
        file->Release();
    link->Release();
    CoUninitialize();
    ASSERT_TRUE(saved);
    WriteOnDisc("kiveron.lst", "[Main]\r\nCaption=Shortcut\r\n[Element]\r\nName=Tool\r\n"
                               "Command=\\tool.lnk /q \"two words\"\r\n");
    MenuProcess menu(KIVERON_EXE, Root());
    HWND dialog = menu.WaitForWindow(L"Shortcut");
    ASSERT_NE(nullptr, dialog);
    ASSERT_TRUE(Activate(dialog, 0));
    const std::string started = WaitForFileContent(record);
    // However the shell quotes the target, the arguments follow it as given.
    const std::string arguments = " /q \"two words\"";
    const std::string commandLine = started.substr(0, started.find('\n'));
    ASSERT_GT(commandLine.size(), arguments.size()) << started;
    EXPECT_NE(std::string::npos, commandLine.find("target.exe")) << started;
    EXPECT_EQ(arguments, commandLine.substr(commandLine.size() - arguments.size())) << started;
    EXPECT_EQ(0u, menu.Close(dialog));
}

} // namespace
