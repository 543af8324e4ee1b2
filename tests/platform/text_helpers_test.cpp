#include "platform/text_helpers.h"

#include <windows.h>

#include <gtest/gtest.h>

TEST(SystemErrorText, SystemMessagesLoseTheirLineBreakAndCodesWithoutOneGetTheFallbacks)
{
    for (unsigned long code : {ERROR_FILE_NOT_FOUND, ERROR_SHARING_VIOLATION}) {
        const std::string text = SystemErrorText(code);
        ASSERT_FALSE(text.empty());
        EXPECT_EQ(text.find_last_of("\r\n"), std::string::npos) << text;
        EXPECT_EQ(text.find("Unknown error"), std::string::npos);
    }
    EXPECT_NE(SystemErrorText(ERROR_FILE_NOT_FOUND), SystemErrorText(ERROR_SHARING_VIOLATION));
    EXPECT_EQ(SystemErrorText(0x80040201UL), "IDispatch error #1");
    EXPECT_EQ(SystemErrorText(0x8004FFFFUL), "IDispatch error #65023");
    EXPECT_EQ(SystemErrorText(0x80040200UL), "Unknown error 0x80040200");
    EXPECT_EQ(SystemErrorText(0x80050000UL), "Unknown error 0x80050000");
    EXPECT_EQ(SystemErrorText(0x1234ABCUL), "Unknown error 0x1234ABC");
}

TEST(CompareNoCase, FoldsTheAsciiLettersOnlyThenOrdersByLength)
{
    const struct {
        const wchar_t *a, *b;
        int result;
    } cases[] = {
        {L"[Main]", L"[MAIN]", 0},
        {L"zAz", L"ZaZ", 0},
        {L"", L"", 0},
        {L"Name", L"NameX", -1},
        {L"NameX", L"Name", 1},
        {L"", L"a", -1},
        {L"a", L"B", -1},
        {L"_", L"A", -1},
        {L"A", L"_", 1}, // folded: '_' before 'A', 'a' before 'B'
        {L"@", L"`", -1},
        {L"[", L"{", -1},
        {L"\u00C4", L"\u00E4", -1},
        {L"\u0414", L"\u0434", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CompareNoCase(c.a, c.b), c.result)
            << static_cast<int>(c.a[0]) << " vs " << static_cast<int>(c.b[0]);
}

TEST(TrimWhitespace, RemovesTheCLocaleSpaceAtBothEndsOnly)
{
    EXPECT_EQ(TrimWhitespace(L"\t\t Caption_de = Beispiel  "), L"Caption_de = Beispiel");
    EXPECT_EQ(TrimWhitespace(L"    "), L"");
    EXPECT_EQ(TrimWhitespace(L""), L"");
    EXPECT_EQ(TrimWhitespace(L"\x09\x0A\x0B\x0C\x0D\x20\xA0x\xA0\x20\x0D"), L"x");
    EXPECT_EQ(TrimWhitespace(L"\u3000\u2003x\u3000"), L"x");
    // Unicode's White_Space above U+00FF, the same on every Windows.
    EXPECT_EQ(TrimWhitespace(L"\u1680\u2000\u200A\u2028\u2029\u202Fx\u205F\u3000"), L"x");
    for (wchar_t edge : {L'\x08', L'\x0E', L'\x1F', L'\x85', L'\x4E2D', L'\xFEFF', L'\x180E',
                         L'\x1FFF', L'\x200B', L'\x2030', L'\x3001'}) {
        const std::wstring text = std::wstring(1, edge) + L"x" + std::wstring(1, edge);
        EXPECT_EQ(TrimWhitespace(text), text) << "U+" << std::hex << static_cast<int>(edge);
    }
}
