#include "platform/text_helpers.h"

#include <windows.h>

#include <gtest/gtest.h>

TEST(SystemErrorText, SystemMessagesLoseTheirLineBreakAndOtherCodesGetTheFallbacks)
{
    const std::string text = SystemErrorText(ERROR_SHARING_VIOLATION);
    EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("Unknown error"), std::string::npos) << text;
    EXPECT_EQ(SystemErrorText(0x80040200UL), "Unknown error 0x80040200");
    EXPECT_EQ(SystemErrorText(0x80040201UL), "IDispatch error #1");
    EXPECT_EQ(SystemErrorText(0x8004FFFFUL), "IDispatch error #65023");
    EXPECT_EQ(SystemErrorText(0x80050000UL), "Unknown error 0x80050000");
}

// Only A to Z fold, and a text that another one begins comes first; only the
// C locale's spaces at either end are trimmed.
TEST(TextHelpers, KeyNamesCompareWithoutCaseAndLoseTheSpaceAroundThem)
{
    EXPECT_EQ(CompareNoCase(L"[Main]", L"[MAIN]"), 0);
    EXPECT_EQ(CompareNoCase(L"Name", L"NameX"), -1);
    EXPECT_EQ(CompareNoCase(L"A", L"_"), 1) << "folded: '_' before 'a'";
    EXPECT_EQ(CompareNoCase(L"\u00C4", L"\u00E4"), -1);
    EXPECT_EQ(TrimWhitespace(L"\t\t Caption_de = Beispiel  "), L"Caption_de = Beispiel");
    // Unicode's White_Space up to U+3000, the same on every Windows.
    EXPECT_EQ(TrimWhitespace(L"\x0B\x0D\xA0\u1680\u2000\u200A\u2029x\u202F\u205F\u3000"), L"x");
    for (const wchar_t* kept : {L"\bx\b", L"\x0Ex\x0E", L"\x85x\x85", L"\xFEFFx\xFEFF",
                                L"\x200Bx\x200B", L"\x3001x\x3001"})
        EXPECT_EQ(TrimWhitespace(kept), kept);
}
