#include "menu/menu_file_syntax.h"

#include <gtest/gtest.h>

#include <random>

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
