#include "platform/text_helpers.h"

#include <windows.h>

#include <gtest/gtest.h>

TEST(SystemErrorText, SystemMessagesLoseTheirLineBreakOnly)
{
    for (unsigned long code : {ERROR_FILE_NOT_FOUND, ERROR_SHARING_VIOLATION}) {
        const std::string text = SystemErrorText(code);
        ASSERT_FALSE(text.empty());
        EXPECT_NE(text.back(), '\n');
        EXPECT_NE(text.back(), '\r');
        EXPECT_EQ(text.find("Unknown error"), std::string::npos);
    }
    EXPECT_NE(SystemErrorText(ERROR_FILE_NOT_FOUND), SystemErrorText(ERROR_SHARING_VIOLATION));
}

TEST(SystemErrorText, CodesWithoutMessageGetTheFallbacks)
{
    EXPECT_EQ(SystemErrorText(0x80040201UL), "IDispatch error #1");
    EXPECT_EQ(SystemErrorText(0x8004FFFFUL), "IDispatch error #65023");
    EXPECT_EQ(SystemErrorText(0x80040200UL), "Unknown error 0x80040200");
    EXPECT_EQ(SystemErrorText(0x80050000UL), "Unknown error 0x80050000");
    EXPECT_EQ(SystemErrorText(0x1234ABCUL), "Unknown error 0x1234ABC");
}

TEST(CompareNoCase, FoldsTheAsciiLettersOnly)
{
    EXPECT_EQ(CompareNoCase(L"[Main]", L"[MAIN]"), 0);
    EXPECT_EQ(CompareNoCase(L"zAz", L"ZaZ"), 0);
    EXPECT_EQ(CompareNoCase(L"", L""), 0);
    EXPECT_NE(CompareNoCase(L"\u00C4", L"\u00E4"), 0);
    EXPECT_NE(CompareNoCase(L"\u0414", L"\u0434"), 0);
    EXPECT_NE(CompareNoCase(L"@", L"`"), 0);
    EXPECT_NE(CompareNoCase(L"[", L"{"), 0);
}

TEST(CompareNoCase, OrdersByFoldedLettersThenByLength)
{
    EXPECT_EQ(CompareNoCase(L"Name", L"NameX"), -1);
    EXPECT_EQ(CompareNoCase(L"NameX", L"Name"), 1);
    EXPECT_EQ(CompareNoCase(L"", L"a"), -1);
    // Folded, 'B' sorts after 'a', and '_' before 'A'; unfolded they would not.
    EXPECT_EQ(CompareNoCase(L"a", L"B"), -1);
    EXPECT_EQ(CompareNoCase(L"_", L"A"), -1);
    EXPECT_EQ(CompareNoCase(L"A", L"_"), 1);
}

TEST(TrimWhitespace, RemovesTheCLocaleSpaceAtBothEndsOnly)
{
    EXPECT_EQ(TrimWhitespace(L"\t\t Caption_de = Beispiel  "), L"Caption_de = Beispiel");
    EXPECT_EQ(TrimWhitespace(L"    "), L"");
    EXPECT_EQ(TrimWhitespace(L""), L"");
    EXPECT_EQ(TrimWhitespace(L"\x09\x0A\x0B\x0C\x0D\x20\xA0x\xA0\x20\x0D"), L"x");
    EXPECT_EQ(TrimWhitespace(L"\u3000\u2003x\u3000"), L"x");
}

TEST(TrimWhitespace, KeepsWhatTheCLocaleDoesNotCallSpace)
{
    for (wchar_t edge : {L'\x08', L'\x0E', L'\x1F', L'\x85', L'\x4E2D', L'\xFEFF'}) {
        const std::wstring text = std::wstring(1, edge) + L"x" + std::wstring(1, edge);
        EXPECT_EQ(TrimWhitespace(text), text) << "U+" << std::hex << static_cast<int>(edge);
    }
}
