// The platform's text: UTF-16 texts converted for the ANSI calls of Windows
// 9x, measured and drawn through whichever calls the system has; the names
// of system errors; key names compared and trimmed.
#include "platform/text_helpers.h"
#include "platform/text_layer.h"

#include <gtest/gtest.h>

TEST(TextLayer, ConvertsTextsOfAnyLengthUpToTheirFirstZero)
{
    EXPECT_EQ(WideToAnsi(std::wstring(L"ab\0cd", 5)), "ab");
    EXPECT_EQ(AnsiToWide(std::string("ab\0cd", 5)), L"ab");
    // ASCII converts without the system, a letter above 0x7F through the
    // code page: both run past the old 2048-character buffer.
    const std::wstring ascii(5000, L'x'), letters = std::wstring(5000, L'\u00E9') + L"end";
    EXPECT_EQ(AnsiToWide(WideToAnsi(ascii)), ascii);
    if (GetACP() == 1252) {
        EXPECT_EQ(AnsiToWide(WideToAnsi(letters)), letters);
    }
}

// In a memory device context, text is measured and drawn without a window.
TEST(TextLayer, MeasuresAndDrawsTheSameCountAndLeavesTheText)
{
    const HDC dc = CreateCompatibleDC(nullptr);
    const std::wstring text = L"Install the viewer";
    for (int count : {7, -1, 1000}) {
        RECT rect = {0, 0, 0, 0};
        DrawTextAuto(dc, text, count, rect, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        EXPECT_EQ(rect.right, GetTextExtentAuto(dc, text, count).cx) << count;
    }
    EXPECT_EQ(GetTextExtentAuto(dc, text, -1).cx, GetTextExtentAuto(dc, text, 1000).cx)
        << "counts beyond the text measure only the text";

    RECT rect = {0, 0, 40, 20};
    DrawTextAuto(dc, text, -1, rect, DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING);
    EXPECT_EQ(text, L"Install the viewer") << "the ellipsis written into the text";
    DeleteDC(dc);
}

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
