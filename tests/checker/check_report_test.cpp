#include "checker/check_report.h"

#include <gtest/gtest.h>

#include <sstream>

TEST(CheckReport, WritesOneLineAFindingThenTheSummaryAndExitsByTheWorstLevel)
{
    CheckReport report;
    EXPECT_EQ(report.ExitStatus(), 0);
    report.Add("kiveron.lst", 0, FindingLevel::Note, "the window is 640 x 480");
    EXPECT_EQ(report.ExitStatus(), 0) << "notes need no change";
    report.Add("tools\\tools.lst", 12, FindingLevel::Warning, "unknown key \"Colour\"");
    EXPECT_EQ(report.ExitStatus(), 1);
    report.Add("x.lst", 0, FindingLevel::Error, "cannot be read");
    EXPECT_EQ(report.ExitStatus(), 2);

    std::ostringstream out;
    report.Write(out);
    EXPECT_EQ(out.str(), "kiveron.lst: note: the window is 640 x 480\n"
                         "tools\\tools.lst:12: warning: unknown key \"Colour\"\n"
                         "x.lst: error: cannot be read\n"
                         "1 error, 1 warning, 1 note\n");
}
