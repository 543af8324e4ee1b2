// The main window's decisions that need no window and that no disc shows
// apart: the start-up language, what counts as a nested menu, what the shell
// is handed, where a picture lies and how control edges scale.
#include <gtest/gtest.h>

#include <set>

#include "app/command_split.h"
#include "app/dialog_scaling.h"
#include "app/launch_candidates.h"
#include "app/startup_language.h"

namespace {

TEST(StartupLanguage, UserCodeThenEnglishThenAnyLanguageComparedExactly)
{
    const struct {
        std::vector<std::string> declared;
        LANGID user;
        const char* chosen;
    } cases[] = {
        {{"en", "ru"}, MAKELANGID(LANG_RUSSIAN, 0x3F), "ru"}, // any sub-language
        {{"en", "ru"}, LANG_GERMAN, "en"},
        {{"ru", "uk"}, LANG_FRENCH, "*"},
        {{}, LANG_ENGLISH, "*"},
        {{"ru", "de", "de"}, LANG_GERMAN, "de"},
        {{"EN", "RU"}, LANG_RUSSIAN, "*"},
        {{"en ", "ru-RU"}, LANG_RUSSIAN, "*"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.chosen, ChooseStartupLanguage(c.declared, c.user)) << c.user;
}

TEST(NestedMenu, IsACommandWithALowerCaseListExtensionAnywhere)
{
    EXPECT_TRUE(IsNestedMenu("E:\\more.lst"));
    EXPECT_TRUE(IsNestedMenu("E:\\menus.lst\\x.exe"));
    EXPECT_FALSE(IsNestedMenu("E:\\MORE.LST"));
    EXPECT_FALSE(IsNestedMenu("E:\\list.ls"));
}

// Process creation could not start the line: the shell gets the whole line
// when it names a file, else the first program found and what follows it.
TEST(ShellRequest, TheWholeLineIfItIsAFileElseTheShortestProgramAndItsArguments)
{
    const std::set<std::string> files = {"E:\\my tools\\app.exe", "E:\\setup.exe", "E:\\My Doc.pdf",
                                         "E:\\My.exe", "E:\\a b\\c.exe"};
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
        {"E:\\setup /lang ru", "E:\\setup.exe",
         "/lang ru"},                                      // ".exe" added, as process creation does
        {"E:\\My Doc.pdf", "E:\\My Doc.pdf", ""},          // a document, though "E:\My.exe" exists
        {"E:\\My Doc.txt /p", "E:\\My.exe", "Doc.txt /p"}, // the shortest prefix wins
        {"E:\\a b\\c.exe", "E:\\a b\\c.exe", ""},
        {"\"E:\\setup.exe\"", "E:\\setup.exe", ""},
        {"E:\\missing.exe /q", "E:\\missing.exe /q", ""}, // no program: the line as it was
    };
    for (const auto& c : cases) {
        const ShellRequest request = ShellRequestFor(c.line, locate);
        EXPECT_EQ(c.file, request.file) << c.line;
        EXPECT_EQ(c.parameters, request.parameters) << c.line;
    }
}

TEST(PictureBesideMenu, OnlyRelativePathsAreTakenFromTheMenusFolder)
{
    EXPECT_EQ("D:\\tools\\art\\back.bmp", PictureBesideMenu("D:\\tools", "art\\back.bmp"));
    EXPECT_EQ("D:\\back.bmp", PictureBesideMenu("D:", "back.bmp"));
    for (const char* path : {"\\art\\back.bmp", "/art/back.bmp", "E:\\back.bmp", "E:back.bmp", ""})
        EXPECT_EQ("", PictureBesideMenu("D:\\tools", path)) << path;
    EXPECT_EQ("", PictureBesideMenu("", "back.bmp"));
}

// The list and the chooser round their edges, the other controls floor them.
TEST(ControlScaling, RoundsOrFloors)
{
    EXPECT_EQ(3, ScaleEdge(2, 1.25, true));
    EXPECT_EQ(2, ScaleEdge(2, 1.25, false));
    EXPECT_EQ(199, ScaleEdge(100, 1.99, false));
}

} // namespace
