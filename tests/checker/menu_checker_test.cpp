// kiveron-check's findings on the menus of the disc laid out in disc/: each
// menu checked by the checker's library as the start-up menu, with the root
// of the disc as the current folder (so findings name the files as given),
// against what findings.txt lists for it.
#include "checker/menu_checker.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/menu_process.h"

TEST(MenuChecker, FindsInEachMenuOfTheDiscWhatItsListSays)
{
    std::ifstream list(HostPath(CHECKER_DATA "/findings.txt"), std::ios::binary);
    std::map<std::string, std::vector<std::string>> expected;
    std::string menu;
    for (std::string line; std::getline(list, line);) {
        if (line.rfind("== ", 0) == 0)
            expected[menu = line.substr(3)];
        else if (!line.empty() && line[0] != '#')
            expected[menu].push_back(line);
    }
    ASSERT_GT(expected.size(), 10u) << "findings.txt was not read";
    const std::string disc = HostPath(CHECKER_DATA "/disc");
    char caller[MAX_PATH], after[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, caller);
    SetCurrentDirectoryA(disc.c_str());
    for (const auto& [name, findings] : expected) {
        CheckReport report;
        MenuChecker(CheckOptions{name, "", false, 1252}, report, GetModuleHandleA(nullptr)).Run();
        GetCurrentDirectoryA(MAX_PATH, after);
        EXPECT_STREQ(after, disc.c_str()) << "the checker restores the current folder";
        std::vector<std::string> actual;
        for (const Finding& finding : report.Findings())
            actual.push_back(FormatFinding(finding));
        // Each finding starts with the first of the "|"-separated parts of
        // its line and holds the others.
        bool same = actual.size() == findings.size();
        for (std::size_t i = 0; same && i < findings.size(); ++i) {
            std::istringstream parts(findings[i]);
            std::string part;
            std::getline(parts, part, '|');
            same = actual[i].rfind(part, 0) == 0;
            while (same && std::getline(parts, part, '|'))
                same = actual[i].find(part) != std::string::npos;
        }
        EXPECT_TRUE(same) << name << " finds " << testing::PrintToString(actual);
    }
    SetCurrentDirectoryA(caller);
}
