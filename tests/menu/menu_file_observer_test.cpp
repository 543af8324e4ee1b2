#include "menu/menu_document.h"
#include "menu_test_files.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

class RecordingObserver : public MenuFileObserver {
public:
    void OnLine(const MenuLineReport& report) override { reports.push_back(report); }
    std::vector<MenuLineReport> reports;
};

using Outcome = LineOutcome;

// The outcome of every line, numbered as an editor numbers them, for one
// file that holds each decision the parser takes; and the document it gives
// is the one a load without observer gives.
TEST(MenuFileObserver, HearsWhatBecameOfEveryLineAndChangesNothing)
{
    const std::string bytes = MenuLines({
                                  "Caption=Too early", // 1
                                  "[Main]",            // 2
                                  "Caption=Disc",      // 3
                                  "caption=Again",     // 4
                                  "Picture_de=a.bmp",  // 5
                                  "Picture_de=b.bmp",  // 6
                                  "Name=Not here",     // 7
                                  "Colour=red",        // 8
                                  "",                  // 9
                                  "just a note",       // 10
                                  "[Extras]",          // 11
                                  "[Language]",        // 12
                                  "Locale_xx=de",      // 13
                                  "Locale=de",         // 14
                                  "[element]",         // 15
                                  "Command=a.exe",     // 16
                                  "Command_de=b.exe",  // 17
                                  "Marker=Tertiary",   // 18
                                  "Marker=secondary",  // 19
                                  "Name_DE=Gross",     // 20
                              }) +
                              "Name=never read";
    const std::vector<std::pair<int, Outcome>> expected = {
        {1, Outcome::BeforeAnySection},
        {2, Outcome::SectionOpened},
        {3, Outcome::Stored},
        {4, Outcome::KeptEarlier},
        {5, Outcome::Stored},
        {6, Outcome::Replaced},
        {7, Outcome::WrongSection},
        {8, Outcome::UnknownKey},
        {9, Outcome::Blank},
        {10, Outcome::NoEquals},
        {11, Outcome::NotASection},
        {12, Outcome::SectionOpened},
        {13, Outcome::Stored},
        {14, Outcome::Replaced},
        {15, Outcome::SectionOpened},
        {16, Outcome::Stored},
        {17, Outcome::Replaced},
        {18, Outcome::MarkerNotRecognised},
        {19, Outcome::Stored},
        {20, Outcome::Stored},
        {21, Outcome::AfterLastLineBreak},
    };

    TempFolder folder;
    const std::string path = folder.WriteFile("menu.lst", bytes);
    MenuDocument observed;
    RecordingObserver observer;
    observed.Load(path, &observer);

    ASSERT_EQ(observer.reports.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(observer.reports[i].number, expected[i].first) << "report " << i;
        EXPECT_EQ(observer.reports[i].outcome, expected[i].second) << "line " << expected[i].first;
    }
    const MenuLineReport& suffixed = observer.reports[16];
    EXPECT_EQ(suffixed.section, SectionState::Element);
    EXPECT_EQ(suffixed.keyName, L"Command");
    EXPECT_TRUE(suffixed.hasSuffix);
    EXPECT_EQ(suffixed.languageCode, "de");
    EXPECT_EQ(suffixed.value, L"b.exe");
    EXPECT_FALSE(suffixed.takesLanguage) << "a suffix on Command is ignored";
    EXPECT_TRUE(suffixed.ansiValue);
    EXPECT_TRUE(observer.reports[5].takesLanguage && observer.reports[5].ansiValue) << "Picture_de";
    EXPECT_TRUE(observer.reports[19].takesLanguage && !observer.reports[19].ansiValue) << "Name_DE";
    EXPECT_EQ(observer.reports[10].section, SectionState::Main)
        << "an unknown header keeps the section";
    EXPECT_EQ(observer.reports[20].text, L"Name=never read");

    MenuDocument plain;
    plain.Load(path);
    EXPECT_EQ(Describe(observed), Describe(plain));
}

// Line numbers count line breaks whatever their kind, and a file whose lines
// end in CR alone is one unread line.
TEST(MenuFileObserver, NumbersLinesAcrossLineBreakKindsAndReportsCrOnlyFilesAsUnread)
{
    TempFolder folder;
    RecordingObserver mixed;
    MenuDocument().Load(folder.WriteFile("mixed.lst", "[Main]\nCaption=a\r\n\r\r\nCaption_de=b\n"),
                        &mixed);
    ASSERT_EQ(mixed.reports.size(), 4u);
    EXPECT_EQ(mixed.reports[3].number, 4);
    EXPECT_EQ(mixed.reports[3].outcome, Outcome::Stored);

    RecordingObserver crOnly;
    MenuDocument().Load(folder.WriteFile("cr.lst", "[Main]\rCaption=a\r"), &crOnly);
    ASSERT_EQ(crOnly.reports.size(), 1u);
    EXPECT_EQ(crOnly.reports[0].number, 1);
    EXPECT_EQ(crOnly.reports[0].outcome, Outcome::AfterLastLineBreak);
}

} // namespace
