// What the parser makes of menu files: the document each file gives, line
// breaks, and what an observer hears of every line.
#include "menu/menu_document.h"
#include "menu/menu_file_syntax.h"
#include "menu_test_files.h"
#include "support/menu_process.h"
#include "../graphics/table_rows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <tuple>
#include <vector>

namespace {

const char kNothing[] = "caption\nexit\nwarning\npicture\n";

std::string DataFile(const std::string& name)
{
    std::ifstream file(HostPath(MENU_DATA_DIR "/" + name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::string Without(std::string text, char c)
{
    text.erase(std::remove(text.begin(), text.end(), c), text.end());
    return text;
}

class RecordingObserver : public MenuFileObserver {
public:
    void OnLine(const MenuLineReport& report) override { reports.push_back(report); }
    std::vector<MenuLineReport> reports;
};

} // namespace

TEST(MenuFiles, YieldExactlyTheDocumentTheyDescribe)
{
    const std::string worked = DataFile("worked-example.lst"),
                      workedDocument = DataFile("worked-example.document.txt");
    const struct {
        const char* name;
        std::string bytes;
        std::string document;
    } cases[] = {
        {"worked example", worked, workedDocument},
        {"without BOM", worked.substr(3), workedDocument},
        {"LF line breaks", Without(worked, '\r'), workedDocument},
        {"CR-only line breaks hold no line", MenuLines({"[Element]", "Name=A"}, "\r"), kNothing},
        {"a file without LF holds no line", "[Element]", kNothing},
        {"the last line without a break is ignored", "[Element]\nName=A\nCommand=a.exe",
         std::string(kNothing) + "element [*]A / /  / 0\n"},
        {"lone CRs stay in their line", "[Element]\r\nName=a\rb\r\nCommand=x\r\r\n",
         std::string(kNothing) + "element [*]a\rb / / x / 0\n"},
        {"NUL ends the text", std::string("[Element]\nName=A\n\0[Element]\nName=B\n", 34),
         std::string(kNothing) + "element [*]A / /  / 0\n"},
        {"UTF-16 after its mark",
         std::string("\xFF\xFE[\0E\0l\0e\0m\0e\0n\0t\0]\0\n\0N\0a\0m\0e\0=\0\xE9\0\n\0", 36),
         std::string(kNothing) + "element [*]\xC3\xA9 / /  / 0\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DescribeFile(c.bytes), c.document) << c.name;
}

// The cases of parser-cases.txt: "=== " and a name, the menu's lines, "---",
// the document's lines (compared without blanks at their ends).
TEST(MenuFiles, ParserCasesYieldTheirDocuments)
{
    std::ifstream cases(HostPath(MENU_DATA_DIR "/parser-cases.txt"));
    std::string line, name, menu, document;
    bool inDocument = false;
    int checked = 0;
    const auto check = [&] {
        std::string got = DescribeFile(menu);
        for (std::size_t at; (at = got.find(" \n")) != std::string::npos;)
            got.erase(at, 1);
        EXPECT_EQ(got, document) << name;
        ++checked;
    };
    while (std::getline(cases, line)) {
        if (line.compare(0, 4, "=== ") == 0) {
            if (!name.empty())
                check();
            name = line.substr(4);
            menu.clear();
            document.clear();
            inDocument = false;
        } else if (line == "---") {
            inDocument = true;
        } else if (!name.empty()) {
            (inDocument ? document : menu) += line + (inDocument ? "\n" : "\r\n");
        }
    }
    check();
    EXPECT_GE(checked, 7);
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
