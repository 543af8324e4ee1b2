#include "menu/menu_file_syntax.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

// The replacement as a user would describe it: find a CR LF from the start,
// replace it by LF, search again from the same place. Quadratic, so only
// for short texts.
std::wstring ReplacePairsOneByOne(std::wstring text)
{
    std::size_t position = 0;
    while ((position = text.find(L"\r\n", position)) != std::wstring::npos)
        text.replace(position, 2, L"\n");
    return text;
}

std::wstring Replaced(std::wstring text)
{
    ReplaceCrLfByLf(text);
    return text;
}

std::vector<std::wstring> AllLines(const std::wstring& text)
{
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    std::wstring line;
    while (NextLine(text, start, line))
        lines.push_back(line);
    return lines;
}

} // namespace

TEST(ReplaceCrLfByLf, LeavesCarriageReturnsThatNoLineFeedFollows)
{
    EXPECT_EQ(Replaced(L"a\r\r\nb"), L"a\r\nb");
    EXPECT_EQ(Replaced(L"\r\n\r\n"), L"\n\n");
    EXPECT_EQ(Replaced(L"\n\r\r"), L"\n\r\r");
    EXPECT_EQ(Replaced(L""), L"");
}

TEST(ReplaceCrLfByLf, MatchesReplacingThePairsOneByOne)
{
    std::mt19937 random(20240607);
    const wchar_t alphabet[] = {L'\r', L'\n', L'a'};
    for (int round = 0; round < 2000; ++round) {
        std::wstring text(random() % 12, L' ');
        for (wchar_t& c : text)
            c = alphabet[random() % 3];
        ASSERT_EQ(Replaced(text), ReplacePairsOneByOne(text));
    }
}

TEST(NextLine, YieldsOnlyTextThatALineFeedEnds)
{
    EXPECT_EQ(AllLines(L"a\n\nb\nrest"), (std::vector<std::wstring>{L"a", L"", L"b"}));
    EXPECT_EQ(AllLines(L"no break"), std::vector<std::wstring>());
    EXPECT_EQ(AllLines(L"\n"), std::vector<std::wstring>{L""});
    EXPECT_EQ(AllLines(L""), std::vector<std::wstring>());
}

TEST(SplitKeyLine, SplitsAtTheFirstEqualsSign)
{
    std::wstring key = L"untouched";
    std::wstring value = L"untouched";
    EXPECT_FALSE(SplitKeyLine(L"no equals sign", key, value));
    EXPECT_EQ(key + value, L"untoucheduntouched");
    ASSERT_TRUE(SplitKeyLine(L" Command_de = run.exe a=b ", key, value));
    EXPECT_EQ(key, L"Command_de");
    EXPECT_EQ(value, L"run.exe a=b");
    ASSERT_TRUE(SplitKeyLine(L"=", key, value));
    EXPECT_EQ(key + value, L"");
}

TEST(SplitLanguageSuffix, SplitsAtTheFirstUnderscoreAndKeepsTheCode)
{
    std::wstring name;
    std::string code;
    SplitLanguageSuffix(L"Caption", name, code);
    EXPECT_EQ(name, L"Caption");
    EXPECT_EQ(code, "*");
    SplitLanguageSuffix(L"Caption_pt_BR", name, code);
    EXPECT_EQ(name, L"Caption");
    EXPECT_EQ(code, "pt_BR");
    SplitLanguageSuffix(L"_", name, code);
    EXPECT_EQ(name + L"|", L"|");
    EXPECT_EQ(code, "");
}
