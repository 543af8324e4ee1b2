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

// The findings for a menu given by its name in the disc's folder.
std::vector<std::string> Check(const std::string& disc, const std::string& menu)
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
    for (const Finding& finding : report.Findings())
        lines.push_back(FormatFinding(finding));
    return lines;
}

// Whether a finding starts with the first of the "|"-separated parts of
// expected and holds the others.
bool Matches(const std::string& finding, const std::string& expected)
{
    std::istringstream parts(expected);
    std::string part;
    std::getline(parts, part, '|');
    bool matches = finding.rfind(part, 0) == 0;
    while (std::getline(parts, part, '|'))
        matches = matches && finding.find(part) != std::string::npos;
    return matches;
}

} // namespace

TEST(MenuChecker, FindsInEachMenuOfTheDiscWhatItsListSays)
{
    const std::string disc = HostPath(CHECKER_DATA "/disc");
    std::ifstream expected(HostPath(CHECKER_DATA "/findings.txt"), std::ios::binary);
    std::string menu, all;
    std::vector<std::string> actual;
    std::size_t next = 0;
    const auto allFound = [&] {
        EXPECT_EQ(next, actual.size()) << menu << " gives more findings:\n" << all;
    };
    for (std::string line; std::getline(expected, line);) {
        if (line.rfind("== ", 0) == 0) {
            allFound();
            menu = line.substr(3);
            actual = Check(disc, menu);
            all.clear();
            for (const std::string& finding : actual)
                all += finding + "\n";
            next = 0;
        } else if (!line.empty() && line[0] != '#') {
            EXPECT_TRUE(next < actual.size() && Matches(actual[next], line))
                << menu << ": " << line << " is not among\n"
                << all;
            ++next;
        }
    }
    allFound();
    EXPECT_NE(menu, "") << "findings.txt was not read";
}
