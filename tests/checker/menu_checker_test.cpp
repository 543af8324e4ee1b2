// kiveron-check's findings on the menus of the disc laid out in disc/: each
// menu checked by the checker's library as the start-up menu, with the root
// of the disc as the current folder (so findings name the files as given),
// against what findings.txt lists for it.
#include "checker/menu_checker.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "graphics/table_rows.h"
#include "support/menu_process.h"

TEST(MenuChecker, FindsInEachMenuOfTheDiscWhatItsListSays)
{
    std::map<std::string, std::vector<TableRow>> expected;
    std::string menu;
    for (const TableRow& row : TableRows(CHECKER_DATA "/findings.txt"))
        if (row[0].rfind("== ", 0) == 0)
            expected[menu = row[0].substr(3)];
        else
            expected[menu].push_back(row);
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
        // Each finding starts with the first field of its line and holds the
        // others.
        bool same = actual.size() == findings.size();
        for (std::size_t i = 0; same && i < findings.size(); ++i) {
            same = actual[i].rfind(findings[i][0], 0) == 0;
            for (std::size_t part = 1; same && part < findings[i].size(); ++part)
                same = actual[i].find(findings[i][part]) != std::string::npos;
        }
        EXPECT_TRUE(same) << name << " finds " << testing::PrintToString(actual);
    }
    SetCurrentDirectoryA(caller);
}
