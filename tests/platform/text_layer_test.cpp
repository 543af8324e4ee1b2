// The text layer: UTF-16 texts converted for the ANSI calls of Windows 9x,
// and measured and drawn through whichever calls the system has.
#include "platform/text_layer.h"

#include <gtest/gtest.h>

#include <string>

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

    const std::wstring tooLong = L"A description far too long for its small rectangle";
    RECT rect = {0, 0, 40, 20};
    DrawTextAuto(dc, tooLong, -1, rect, DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING);
    EXPECT_EQ(tooLong.find(L"..."), std::wstring::npos) << "the ellipsis written into the text";
    DeleteDC(dc);
}
