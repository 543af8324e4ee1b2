#include "platform/text_layer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A memory device context with the system font: text can be measured and
// drawn without any window.
class MemoryDeviceContext : public ::testing::Test {
protected:
    void SetUp() override
    {
        dc = CreateCompatibleDC(nullptr);
        ASSERT_NE(dc, nullptr);
        previousFont = SelectObject(dc, GetStockObject(SYSTEM_FONT));
    }
    void TearDown() override
    {
        SelectObject(dc, previousFont);
        DeleteDC(dc);
    }

    LONG CalculatedWidth(const std::wstring& text, int count)
    {
        RECT rect = {0, 0, 0, 0};
        DrawTextAuto(dc, text, count, rect, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        return rect.right - rect.left;
    }

    HDC dc = nullptr;
    HGDIOBJ previousFont = nullptr;
};

} // namespace

TEST_F(MemoryDeviceContext, MeasuringAndDrawingAgreeOnTheCountGiven)
{
    const std::wstring text = L"Install the viewer";
    const LONG whole = GetTextExtentAuto(dc, text, -1).cx;
    const LONG prefix = GetTextExtentAuto(dc, text, 7).cx;
    EXPECT_GT(prefix, 0);
    EXPECT_LT(prefix, whole);
    EXPECT_EQ(CalculatedWidth(text, 7), prefix);
    EXPECT_EQ(CalculatedWidth(text, -1), whole);
    // Counts beyond the text measure only the text.
    EXPECT_EQ(GetTextExtentAuto(dc, text, 1000).cx, whole);
    EXPECT_EQ(CalculatedWidth(text, 1000), whole);
    // Long texts are measured in full (on the ANSI path they are converted).
    const std::wstring line(3000, L'W');
    EXPECT_EQ(GetTextExtentAuto(dc, line, 2500).cx, 2500 * GetTextExtentAuto(dc, L"W", 1).cx);
}

TEST_F(MemoryDeviceContext, DrawingNeverWritesIntoTheCallersText)
{
    const std::wstring text = L"A description far too long for its small rectangle";
    const std::wstring before = text;
    RECT rect = {0, 0, 40, 20};
    DrawTextAuto(dc, text, -1, rect, DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING);
    EXPECT_EQ(text, before);
}
