// Cutting a text to the space it has: whole words first, an ellipsis after.
#include <gtest/gtest.h>

#include "controls/text_fit.h"

TEST(FitWithEllipsis, CutsAfterTheLastWholeWordThatFitsWithTheEllipsis)
{
    const std::wstring e(1, kEllipsis);
    const struct {
        const wchar_t* text;
        size_t room;
        std::wstring shown;
    } cases[] = {
        {L"short", 5, L"short"}, // fits whole: unchanged
        {L"one two three", 13, L"one two three"},
        {L"one two three", 12, L"one two" + e}, // a word cut short goes whole
        {L"one two three", 8, L"one two" + e},
        {L"one two three", 7, L"one" + e},
        {L"one   two", 8, L"one" + e},     // no blanks before the ellipsis
        {L"unbreakable", 6, L"unbre" + e}, // one word: cut within it
        {L"one two", 0, e},
    };
    for (const auto& c : cases) {
        int measured = 0;
        const std::wstring shown = FitWithEllipsis(c.text, [&](const std::wstring& candidate) {
            ++measured;
            return candidate.size() <= c.room;
        });
        EXPECT_EQ(c.shown, shown) << c.text << " in " << c.room;
        EXPECT_LE(measured, 6) << "measured one by one";
    }
}
