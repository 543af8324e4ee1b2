// The medium's paths turned into the files of the folder that stands for
// its root, as Windows resolves them from the root of a drive.
#include "checker/disc_root.h"

#include <gtest/gtest.h>

#include <string>

TEST(DiscRoot, LeadsThePathsOfTheMediumIntoItsFolderAndLeavesOthersAlone)
{
    const DiscRoot disc("C:\\build\\disc\\");
    const std::string drive = disc.ModulePath().substr(0, 2);
    ASSERT_EQ(disc.ModulePath(), drive + "\\kiveron.exe");
    ASSERT_NE(drive, "C:") << "the medium's drive is one that no drive here has";

    const struct {
        std::string path;
        const char* file;
    } cases[] = {
        {drive + "tools\\tools.lst", "C:\\build\\disc\\tools\\tools.lst"},
        {drive + "\\\\readme.txt", "C:\\build\\disc\\readme.txt"},
        {"tools\\..\\..\\kiveron.lst", "C:\\build\\disc\\kiveron.lst"},
        {"C:\\windows\\notepad.exe", "C:\\windows\\notepad.exe"},
        {"\\\\server\\share\\setup.exe", "\\\\server\\share\\setup.exe"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(disc.FileOf(c.path), c.file) << c.path;
    EXPECT_EQ(disc.NameFromRoot("C:\\BUILD\\disc\\tools\\tools.lst"), "tools\\tools.lst");
    EXPECT_EQ(disc.NameFromRoot("C:\\build\\other.lst"), "C:\\build\\other.lst");
}
