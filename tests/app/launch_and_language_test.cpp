// The main window's decisions that need no window: the start-up language,
// the menu file's place, the paths a command is tried as, what the shell is
// handed, control scaling.
#include <gtest/gtest.h>

#include "app/command_split.h"
#include "app/dialog_scaling.h"
#include "app/launch_candidates.h"
#include "app/startup_language.h"

#include <set>

namespace {

LANGID User(WORD primary, WORD sub = SUBLANG_DEFAULT)
{
    return MAKELANGID(primary, sub);
}

TEST(StartupLanguage, EveryTableEntryMapsToItsCodeWhateverTheSubLanguage)
{
    const struct {
        WORD primary;
        const char* code;
    } table[] = {
        {0x02, "bg"}, {0x07, "de"}, {0x09, "en"}, {0x18, "ro"}, {0x19, "ru"}, {0x22, "uk"},
        {0x26, "lv"}, {0x27, "lt"}, {0x2A, "vi"}, {0x37, "ka"}, {0x3F, "kk"},
    };
    for (const auto& entry : table) {
        EXPECT_EQ(entry.code, LanguageCodeForUser(User(entry.primary))) << entry.primary;
        EXPECT_EQ(entry.code, LanguageCodeForUser(User(entry.primary, 0x3F))) << entry.primary;
    }
    EXPECT_EQ("en", LanguageCodeForUser(User(LANG_FRENCH)));
    EXPECT_EQ("en", LanguageCodeForUser(0));
}

TEST(StartupLanguage, UserCodeThenEnglishThenAnyLanguageComparedExactly)
{
    const struct {
        std::vector<std::string> declared;
        WORD user;
        const char* chosen;
    } cases[] = {
        {{"en", "ru"}, LANG_RUSSIAN, "ru"},      {{"en", "ru"}, LANG_GERMAN, "en"},
        {{"ru", "uk"}, LANG_FRENCH, "*"},        {{}, LANG_ENGLISH, "*"},
        {{"ru", "de", "de"}, LANG_GERMAN, "de"}, {{"EN", "RU"}, LANG_RUSSIAN, "*"},
        {{"en ", "ru-RU"}, LANG_RUSSIAN, "*"},   {{""}, LANG_ENGLISH, "*"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.chosen, ChooseStartupLanguage(c.declared, User(c.user))) << c.user;
}

TEST(MenuFilePath, LiesBesideTheExecutable)
{
    EXPECT_EQ("E:\\setup\\kiveron.lst", MenuFilePathBeside("E:\\setup\\kiveron.exe"));
    EXPECT_EQ("D:\\kiveron.lst", MenuFilePathBeside("D:\\kiveron.exe"));
    EXPECT_EQ("\\\\server\\share\\kiveron.lst",
              MenuFilePathBeside("\\\\server\\share\\kiveron.exe"));
    EXPECT_EQ("C:/tools\\kiveron.lst", MenuFilePathBeside("C:/tools/menu.exe"));
}

TEST(LaunchCandidates, DriveThenFolderThenAsWrittenAndNestedMenusCaseSensitively)
{
    using Paths = std::vector<std::string>;
    EXPECT_EQ((Paths{"E:\\setup\\install.exe /lang ru", "E:\\menu\\\\setup\\install.exe /lang ru",
                     "\\setup\\install.exe /lang ru"}),
              LaunchCandidates("E:\\menu\\kiveron.exe", "\\setup\\install.exe /lang ru"));
    EXPECT_EQ((Paths{"E:\\setup.exe", "E:\\\\setup.exe", "\\setup.exe"}),
              LaunchCandidates("E:\\kiveron.exe", "\\setup.exe"));
    EXPECT_TRUE(IsNestedMenu("E:\\more.lst"));
    EXPECT_TRUE(IsNestedMenu("E:\\menus.lst\\x.exe"));
    EXPECT_FALSE(IsNestedMenu("E:\\MORE.LST"));
    EXPECT_FALSE(IsNestedMenu("E:\\list.ls"));
}

// Process creation could not start the line: the shell gets the whole line
// when it names a file, else the first program found and what follows it.
TEST(ShellRequest, TheWholeLineIfItIsAFileElseTheShortestProgramAndItsArguments)
{
    const std::set<std::string> files = {"E:\\my tools\\app.exe", "E:\\tool.lnk", "E:\\setup.exe",
                                         "E:\\My Doc.pdf",        "E:\\My.exe",   "E:\\a b\\c.exe"};
    const auto locate = [&files](const std::string& name) {
        return files.count(name) != 0 ? name : std::string();
    };
    const struct {
        const char* line;
        const char* file;
        const char* parameters;
    } cases[] = {
        {"\"E:\\my tools\\app.exe\" /quiet", "E:\\my tools\\app.exe", "/quiet"},
        {"E:\\my tools\\app.exe  /quiet \"two words\"", "E:\\my tools\\app.exe",
         "/quiet \"two words\""},
        {"E:\\tool.lnk /q", "E:\\tool.lnk", "/q"},
        {"E:\\setup /lang ru", "E:\\setup.exe",
         "/lang ru"},                                      // ".exe" added, as process creation does
        {"E:\\My Doc.pdf", "E:\\My Doc.pdf", ""},          // a document, though "E:\My.exe" exists
        {"E:\\My Doc.txt /p", "E:\\My.exe", "Doc.txt /p"}, // the shortest prefix wins
        {"E:\\a b\\c.exe", "E:\\a b\\c.exe", ""},          // a program without arguments
        {"\"E:\\setup.exe\"", "E:\\setup.exe", ""},
        {"E:\\missing.exe /q", "E:\\missing.exe /q", ""}, // no program: the line as it was
        {"\"E:\\missing folder\\tool.lnk\" /q", "\"E:\\missing folder\\tool.lnk\" /q", ""},
    };
    for (const auto& c : cases) {
        const ShellRequest request = ShellRequestFor(c.line, locate);
        EXPECT_EQ(c.file, request.file) << c.line;
        EXPECT_EQ(c.parameters, request.parameters) << c.line;
    }
}

TEST(PictureBesideMenu, OnlyRelativePathsAreTakenFromTheMenusFolder)
{
    const struct {
        const char* folder;
        const char* picture;
        const char* beside;
    } cases[] = {
        {"D:\\tools", "art\\back.bmp", "D:\\tools\\art\\back.bmp"},
        {"D:", "back.bmp", "D:\\back.bmp"},
        {"D:\\tools", "\\art\\back.bmp", ""},
        {"D:\\tools", "/art/back.bmp", ""},
        {"D:\\tools", "E:\\back.bmp", ""},
        {"D:\\tools", "E:back.bmp", ""},
        {"", "back.bmp", ""},
        {"D:\\tools", "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.beside, PictureBesideMenu(c.folder, c.picture))
            << c.folder << " + " << c.picture;
}

TEST(ControlScaling, ListAndComboRoundTheOthersFloor)
{
    EXPECT_EQ(3, ScaleEdge(2, 1.25, true));
    EXPECT_EQ(2, ScaleEdge(2, 1.25, false));
    EXPECT_EQ(199, ScaleEdge(100, 1.99, false));
    EXPECT_EQ(0, ScaleEdge(0, 3.0, true));
    const RECT scaled = ScaleRect(RECT{10, 20, 30, 41}, 2.0, 0.5, true);
    EXPECT_EQ((std::vector<LONG>{20, 10, 60, 21}),
              (std::vector<LONG>{scaled.left, scaled.top, scaled.right, scaled.bottom}));
}

} // namespace
