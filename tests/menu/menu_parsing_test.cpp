// What the parser makes of menu files: the document each file gives, line
// breaks, and what an observer hears of every line.
#include "menu/menu_document.h"
#include "menu/menu_file_syntax.h"
#include "menu_test_files.h"
#include "support/menu_process.h"
#include "../graphics/table_rows.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <random>
#include <tuple>
#include <vector>

namespace {

class RecordingObserver : public MenuFileObserver {
public:
    void OnLine(const MenuLineReport& report) override { reports.push_back(report); }
    std::vector<MenuLineReport> reports;
};

} // namespace

// The cases of parser-cases.txt, each read with its CR LF line breaks and
// with LF ones: name, menu, document (compared without blanks at the ends of
// its lines).
TEST(MenuFiles, ParserCasesYieldTheirDocuments)
{
    std::ifstream file(HostPath(MENU_DATA_DIR "/parser-cases.txt"));
    std::vector<std::array<std::string, 3>> cases;
    std::size_t part = 0;
    for (std::string line; std::getline(file, line);) {
        if (line.compare(0, 4, "=== ") == 0) {
            cases.push_back({line.substr(4), "", ""});
            part = 1;
        } else if (line == "---") {
            part = 2;
        } else if (part > 0) {
            cases.back()[part] += line.compare(0, 6, "bytes:") == 0 ? UnescapedBytes(line.substr(6))
                                  : part == 1                       ? line + "\r\n"
                                                                    : line + "\n";
        }
    }
    ASSERT_GE(cases.size(), 15u);
    for (const auto& c : cases) {
        std::string lineFeeds = c[1];
        for (std::size_t at = 0; (at = lineFeeds.find("\r\n", at)) != std::string::npos;)
            lineFeeds.erase(at, 1);
        for (const std::string& menu : {c[1], lineFeeds}) {
            std::string got = DescribeFile(menu);
            for (std::size_t at; (at = got.find(" \n")) != std::string::npos;)
                got.erase(at, 1);
            EXPECT_EQ(got, c[2]) << c[0] << (menu == c[1] ? "" : ", LF line breaks");
        }
    }
}

TEST(ReplaceCrLfByLf, MatchesReplacingThePairsOneByOne)
{
    // The replacement as a user would describe it: find a CR LF from the
    // start, replace it by LF, search again from the same place.
    std::mt19937 random(20240607);
    for (int round = 0; round < 2000; ++round) {
        std::wstring text = round == 0 ? L"a\r\r\nb" : round == 1 ? L"\n\r\r" : L"";
        for (std::size_t length = random() % 12; round > 1 && text.size() < length;)
            text += L"\r\na"[random() % 3];
        std::wstring expected = text;
        for (std::size_t at = 0; (at = expected.find(L"\r\n", at)) != std::wstring::npos;)
            expected.replace(at, 2, L"\n");
        ReplaceCrLfByLf(text);
        ASSERT_EQ(text, expected) << round;
    }
}

// Line numbers as an editor counts them, whatever the kind of line break,
// and the document an observed load gives is the one a plain load gives.
TEST(MenuFileObserver, HearsWhatBecameOfEveryLineAndChangesNothing)
{
    const std::vector<TableRow> lines = TableRows(MENU_DATA_DIR "/observed-lines.txt");
    const char* const breaks[] = {"\n", "\r\n", "\r\r\n"};
    std::string bytes;
    for (std::size_t i = 0; i < lines.size(); ++i)
        bytes += lines[i][0] + std::string(i + 1 < lines.size() ? breaks[i % 3] : "");
    TempFolder folder;
    const std::string path = folder.WriteFile("menu.lst", bytes);
    MenuDocument observed, plain;
    RecordingObserver observer;
    observed.Load(path, &observer);
    plain.Load(path);
    EXPECT_EQ(Describe(observed), Describe(plain));
    ASSERT_EQ(observer.reports.size(), lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(observer.reports[i].number, int(i + 1)) << lines[i][0];
        EXPECT_EQ(int(observer.reports[i].outcome), std::stoi(lines[i][1])) << lines[i][0];
    }
    const MenuLineReport& suffixed = observer.reports[16]; // Command_de: a suffix it ignores
    EXPECT_EQ(std::make_tuple(SectionState::Element, std::wstring(L"Command"), true,
                              std::string("de"), std::wstring(L"b.exe"), false, true),
              std::make_tuple(suffixed.section, suffixed.keyName, suffixed.hasSuffix,
                              suffixed.languageCode, suffixed.value, suffixed.takesLanguage,
                              suffixed.ansiValue));
    EXPECT_TRUE(observer.reports[19].takesLanguage && !observer.reports[19].ansiValue) << "Name_DE";
    EXPECT_EQ(observer.reports[10].section, SectionState::Main) << "an unknown header keeps it";
}
