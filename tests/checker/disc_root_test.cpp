// The medium's paths turned into the files of the folder that stands for
// its root, as Windows resolves them from the root of a drive.
#include "checker/disc_root.h"

#include <gtest/gtest.h>

#include <string>

#include "graphics/table_rows.h"

TEST(DiscRoot, LeadsThePathsOfTheMediumIntoItsFolderAndLeavesOthersAlone)
{
    const DiscRoot disc("C:\\build\\disc\\");
    const std::string drive = disc.ModulePath().substr(0, 2);
    ASSERT_EQ(disc.ModulePath(), drive + "\\kiveron.exe");
    ASSERT_NE(drive, "C:") << "the medium's drive is one that no drive here has";
    for (const TableRow& row : TableRows(CHECKER_DATA "/disc_root.txt"))
        EXPECT_EQ(disc.FileOf(row[0].rfind("DRIVE", 0) ? row[0] : drive + row[0].substr(5)), row[1])
            << row[0];
    EXPECT_EQ(disc.FileOf(""), "");
    EXPECT_EQ(disc.NameFromRoot("C:\\BUILD\\disc\\tools\\tools.lst"), "tools\\tools.lst");
    EXPECT_EQ(disc.NameFromRoot("C:\\build\\other.lst"), "C:\\build\\other.lst");
}
