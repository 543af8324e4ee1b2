#include "menu/menu_file_syntax.h"

#include <gtest/gtest.h>

#include <random>

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

} // namespace

TEST(ReplaceCrLfByLf, MatchesReplacingThePairsOneByOne)
{
    EXPECT_EQ(Replaced(L"a\r\r\nb"), L"a\r\nb");
    EXPECT_EQ(Replaced(L"\n\r\r"), L"\n\r\r");
    std::mt19937 random(20240607);
    const wchar_t alphabet[] = {L'\r', L'\n', L'a'};
    for (int round = 0; round < 2000; ++round) {
        std::wstring text(random() % 12, L' ');
        for (wchar_t& c : text)
            c = alphabet[random() % 3];
        ASSERT_EQ(Replaced(text), ReplacePairsOneByOne(text)) << round;
    }
}
