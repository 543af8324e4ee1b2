#include "platform/text_layer.h"

#include <gtest/gtest.h>

#include <string>

// In a memory device context with the system font, text is measured and drawn
// without any window.
TEST(TextDrawing, MeasuringAndDrawingAgreeOnTheCountAndLeaveTheText)
{
    const HDC dc = CreateCompatibleDC(nullptr);
    ASSERT_NE(dc, nullptr);
    const HGDIOBJ previousFont = SelectObject(dc, GetStockObject(SYSTEM_FONT));
    const std::wstring text = L"Install the viewer";
    auto calculated = [&](int count) {
        RECT rect = {0, 0, 0, 0};
        DrawTextAuto(dc, text, count, rect, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        return rect.right - rect.left;
    };
    const LONG whole = GetTextExtentAuto(dc, text, -1).cx;
    const LONG prefix = GetTextExtentAuto(dc, text, 7).cx;
    EXPECT_TRUE(prefix > 0 && prefix < whole);
    EXPECT_EQ(calculated(7), prefix);
    EXPECT_EQ(calculated(-1), whole);
    EXPECT_EQ(GetTextExtentAuto(dc, text, 1000).cx, whole)
        << "counts beyond the text measure only the text";
    EXPECT_EQ(calculated(1000), whole);
    // Long texts are measured in full (on the ANSI path they are converted).
    EXPECT_EQ(GetTextExtentAuto(dc, std::wstring(3000, L'W'), 2500).cx,
              2500 * GetTextExtentAuto(dc, L"W", 1).cx);

    const std::wstring tooLong = L"A description far too long for its small rectangle",
                       before = tooLong;
    RECT rect = {0, 0, 40, 20};
    DrawTextAuto(dc, tooLong, -1, rect, DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING);
    EXPECT_EQ(tooLong, before) << "drawing never writes into the caller's text";
    SelectObject(dc, previousFont);
    DeleteDC(dc);
}
