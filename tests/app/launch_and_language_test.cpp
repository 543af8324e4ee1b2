// The main window's decisions that need no window, as decisions.txt lists
// them: the start-up language, what counts as a nested menu, what the shell
// is handed, where a picture lies and how control edges scale.
#include <gtest/gtest.h>

#include <set>

#include "app/command_split.h"
#include "app/dialog_scaling.h"
#include "app/launch_candidates.h"
#include "app/startup_language.h"
#include "graphics/table_rows.h"

namespace {

TEST(MainWindowDecisions, AreTheTablesCases)
{
    const std::set<std::string> files = {"E:\\my tools\\app.exe", "E:\\setup.exe", "E:\\My Doc.pdf",
                                         "E:\\My.exe", "E:\\a b\\c.exe"};
    const auto locate = [&files](const std::string& name) {
        return files.count(name) != 0 ? name : std::string();
    };
    for (TableRow row : TableRows(APP_DATA_DIR "/decisions.txt")) {
        // A line that ends in a separator ends in an empty field.
        if (row.back() == " ")
            row.back().clear();
        const std::string& kind = row[0];
        SCOPED_TRACE(kind + " " + row.at(1) + " " + row.at(2));
        if (kind == "language") {
            std::vector<std::string> declared;
            std::istringstream list(row[1]);
            for (std::string locale; std::getline(list, locale, ',');)
                declared.push_back(locale);
            EXPECT_EQ(row.at(3),
                      ChooseStartupLanguage(declared, LANGID(std::stoul(row[2], nullptr, 0))));
        } else if (kind == "nested") {
            EXPECT_EQ(row[2] == "1", IsNestedMenu(row[1]));
        } else if (kind == "shell") {
            const ShellRequest request = ShellRequestFor(row[1], locate);
            EXPECT_EQ(row.at(2), request.file);
            EXPECT_EQ(row.at(3), request.parameters);
        } else if (kind == "picture") {
            EXPECT_EQ(row.at(3), PictureBesideMenu(row[1], row[2]));
        } else {
            ASSERT_EQ("scale", kind);
            EXPECT_EQ(std::stol(row.at(4)),
                      ScaleEdge(std::stol(row[1]), std::stod(row[2]), row.at(3) == "1"));
        }
    }
}

} // namespace
