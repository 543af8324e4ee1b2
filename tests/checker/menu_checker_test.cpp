// kiveron-check's findings on the menus of the disc laid out in disc/: each
// menu checked by the checker's library as the start-up menu, with the root
// of the disc as the current folder (so findings name the files as given),
// against what findings.txt lists for it.
#include "checker/menu_checker.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/menu_process.h"

namespace {

// A menu of the disc and its findings: the exact start of each, then words
// its message holds.
struct ExpectedMenu {
    std::string menu;
    std::vector<std::vector<std::string>> findings;
};

std::vector<ExpectedMenu> ReadExpected(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<ExpectedMenu> menus;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("== ", 0) == 0) {
            menus.push_back({line.substr(3), {}});
        } else if (!line.empty() && line[0] != '#' && !menus.empty()) {
            std::vector<std::string> parts;
            std::istringstream fields(line);
            for (std::string part; std::getline(fields, part, '|');)
                parts.push_back(part);
            menus.back().findings.push_back(parts);
        }
    }
    return menus;
}

// The findings for a menu given by its name in the disc's folder. Most
// menus give no ExitText on purpose: the note about it counts only where
// the list names it.
std::vector<std::string> Check(const std::string& disc, const std::string& menu, bool exitText)
{
    char caller[MAX_PATH], after[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, caller);
    SetCurrentDirectoryA(disc.c_str());
    CheckOptions options;
    options.menuPath = menu;
    options.codePage = 1252;
    CheckReport report;
    MenuChecker(options, report, GetModuleHandleA(nullptr)).Run();
    GetCurrentDirectoryA(MAX_PATH, after);
    SetCurrentDirectoryA(caller);
    EXPECT_STREQ(after, disc.c_str()) << "the checker restores the current folder";
    std::vector<std::string> lines;
    for (const Finding& finding : report.Findings()) {
        const std::string line = FormatFinding(finding);
        if (exitText || line.find("gives no ExitText") == std::string::npos)
            lines.push_back(line);
    }
    return lines;
}

} // namespace

TEST(MenuChecker, FindsInEachMenuOfTheDiscWhatItsListSays)
{
    const std::string disc = HostPath(CHECKER_DATA "/disc");
    const std::vector<ExpectedMenu> menus = ReadExpected(HostPath(CHECKER_DATA "/findings.txt"));
    ASSERT_GT(menus.size(), 10u) << "findings.txt was not read";
    for (const ExpectedMenu& expected : menus) {
        SCOPED_TRACE(expected.menu);
        bool exitText = false;
        for (const auto& finding : expected.findings)
            exitText = exitText || finding.back().find("ExitText") != std::string::npos;
        const std::vector<std::string> actual = Check(disc, expected.menu, exitText);
        std::string all;
        for (const std::string& line : actual)
            all += line + "\n";
        EXPECT_EQ(actual.size(), expected.findings.size()) << all;
        for (std::size_t i = 0; i < actual.size() && i < expected.findings.size(); ++i) {
            const std::vector<std::string>& words = expected.findings[i];
            EXPECT_EQ(actual[i].rfind(words[0], 0), 0u) << actual[i];
            for (std::size_t w = 1; w < words.size(); ++w)
                EXPECT_NE(actual[i].find(words[w]), std::string::npos) << actual[i];
        }
    }
}
