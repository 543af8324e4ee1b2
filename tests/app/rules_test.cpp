// The main window's decisions that need no window: the start-up language,
// the menu file's place, the paths a command is tried as, control scaling.
#include <gtest/gtest.h>

#include "app/main_window_rules.h"

namespace {

LANGID User(WORD primary, WORD sub = SUBLANG_DEFAULT) { return MAKELANGID(primary, sub); }

TEST(StartupLanguage, EveryTableEntryMapsToItsCode)
{
    const struct { WORD primary; const char* code; } table[] = {
        {0x02, "bg"}, {0x07, "de"}, {0x09, "en"}, {0x18, "ro"}, {0x19, "ru"}, {0x22, "uk"},
        {0x26, "lv"}, {0x27, "lt"}, {0x2A, "vi"}, {0x37, "ka"}, {0x3F, "kk"},
    };
    for (const auto& entry : table) {
        EXPECT_EQ(entry.code, LanguageCodeForUser(User(entry.primary))) << entry.primary;
        // The sub-language does not matter: only the low ten bits are looked at.
        EXPECT_EQ(entry.code, LanguageCodeForUser(User(entry.primary, 0x3F))) << entry.primary;
    }
    EXPECT_EQ("en", LanguageCodeForUser(User(LANG_FRENCH)));
    EXPECT_EQ("en", LanguageCodeForUser(0));
}

TEST(StartupLanguage, UserCodeThenEnglishThenAnyLanguage)
{
    EXPECT_EQ("ru", ChooseStartupLanguage({"en", "ru"}, User(LANG_RUSSIAN)));
    EXPECT_EQ("en", ChooseStartupLanguage({"en", "ru"}, User(LANG_GERMAN)));
    EXPECT_EQ("*", ChooseStartupLanguage({"ru", "uk"}, User(LANG_FRENCH)));
    EXPECT_EQ("*", ChooseStartupLanguage({}, User(LANG_ENGLISH)));
    EXPECT_EQ("de", ChooseStartupLanguage({"ru", "de", "de"}, User(LANG_GERMAN)));
}

TEST(StartupLanguage, CodesCompareExactly)
{
    // Written in capitals the code matches neither the user nor the fallback.
    EXPECT_EQ("*", ChooseStartupLanguage({"EN", "RU"}, User(LANG_RUSSIAN)));
    EXPECT_EQ("*", ChooseStartupLanguage({"en ", "ru-RU"}, User(LANG_RUSSIAN)));
    EXPECT_EQ("*", ChooseStartupLanguage({""}, User(LANG_ENGLISH)));
}

TEST(MenuFilePath, LiesBesideTheExecutable)
{
    EXPECT_EQ("E:\\setup\\kiveron.lst", MenuFilePathBeside("E:\\setup\\kiveron.exe"));
    EXPECT_EQ("D:\\kiveron.lst", MenuFilePathBeside("D:\\kiveron.exe"));
    EXPECT_EQ("\\\\server\\share\\kiveron.lst", MenuFilePathBeside("\\\\server\\share\\kiveron.exe"));
    EXPECT_EQ("C:/tools\\kiveron.lst", MenuFilePathBeside("C:/tools/menu.exe"));
}

TEST(LaunchCandidates, DriveThenFolderThenAsWritten)
{
    using Paths = std::vector<std::string>;
    EXPECT_EQ((Paths{"E:\\setup\\install.exe /lang ru", "E:\\menu\\\\setup\\install.exe /lang ru",
                     "\\setup\\install.exe /lang ru"}),
              LaunchCandidates("E:\\menu\\kiveron.exe", "\\setup\\install.exe /lang ru"));
    EXPECT_EQ((Paths{"E:\\setup.exe", "E:\\\\setup.exe", "\\setup.exe"}),
              LaunchCandidates("E:\\kiveron.exe", "\\setup.exe"));
}

TEST(LaunchCandidates, NestedMenusAreFoundCaseSensitively)
{
    EXPECT_TRUE(IsNestedMenu("E:\\more.lst"));
    EXPECT_TRUE(IsNestedMenu("E:\\menus.lst\\x.exe"));
    EXPECT_FALSE(IsNestedMenu("E:\\MORE.LST"));
    EXPECT_FALSE(IsNestedMenu("E:\\list.ls"));
}

TEST(ControlScaling, ListAndComboRoundTheOthersFloor)
{
    EXPECT_EQ(3, ScaleEdge(2, 1.25, true));   // 2.5 rounds up
    EXPECT_EQ(2, ScaleEdge(2, 1.25, false));  // and is cut down
    EXPECT_EQ(199, ScaleEdge(100, 1.99, false));
    EXPECT_EQ(0, ScaleEdge(0, 3.0, true));
    const RECT scaled = ScaleRect(RECT{10, 20, 30, 41}, 2.0, 0.5, true);
    // 20.5 rounds up at the bottom.
    EXPECT_EQ((std::vector<LONG>{20, 10, 60, 21}),
              (std::vector<LONG>{scaled.left, scaled.top, scaled.right, scaled.bottom}));
}

} // namespace
