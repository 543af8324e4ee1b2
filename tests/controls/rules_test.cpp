// The controls' rules without a window: cutting a text to its space, the
// fonts' character set, the keyboard's scroll and the scroll bar's geometry.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "controls/control_font.h"
#include "controls/list_keyboard.h"
#include "controls/scroll_bar_geometry.h"
#include "controls/text_fit.h"

TEST(FitWithEllipsis, CutsAfterTheLastWholeWordThatFitsWithTheEllipsis)
{
    const std::wstring e(1, kEllipsis);
    const struct {
        const wchar_t* text;
        size_t room;
        std::wstring shown;
    } cases[] = {
        {L"one two three", 13, L"one two three"}, // fits whole: unchanged
        {L"one two three", 12, L"one two" + e},   // a word cut short goes whole
        {L"one   two", 8, L"one" + e},            // no blanks before the ellipsis,
        {L"one two   three", 10, L"one two" + e}, // also where the cut falls among them
        {L"unbreakable", 6, L"unbre" + e},        // one word: cut within it
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

TEST(ControlFontCharset, FollowsTheAnsiCodePageOnTheAnsiPathAndTheDialogFontOtherwise)
{
    EXPECT_EQ(RUSSIAN_CHARSET, ControlFontCharset(false, ANSI_CHARSET, 1251));
    EXPECT_EQ(DEFAULT_CHARSET, ControlFontCharset(false, ANSI_CHARSET, 12345)); // no set
    EXPECT_EQ(RUSSIAN_CHARSET, ControlFontCharset(true, RUSSIAN_CHARSET, 1252));
}

TEST(ListGeometry, KeysAndTheBarScrollByWholeRowsAndTheThumbStaysOnTheTrack)
{
    // Row 3 spans 66..113 in a view of 80: the 17-pixel row 0 alone is not
    // enough; a row ending on the bottom edge needs no scroll; a row taller
    // than the view ends up on top, not scrolled past.
    EXPECT_EQ(2, TopToReveal({17, 32, 17, 47, 17}, 0, 3, 80));
    EXPECT_EQ(0, TopToReveal({17, 32, 17, 47, 17}, 0, 2, 66));
    EXPECT_EQ(2, TopToReveal({17, 17, 300}, 0, 2, 100));
    // {bar height, client height, total height, height above, thumb top, bottom}
    const int thumbs[][6] = {
        {200, 200, 400, 100, 60, 141}, // 100 of 200 hidden: 40.5 of 81 track pixels
        // The list box lets row 5 of 10 be the top row, 85 pixels down,
        // though only 70 are hidden: the thumb stays on the track.
        {100, 100, 170, 85, 45, 81},
        {30, 30, 300, 100, 19, 19}, // shorter than both arrows
    };
    for (const auto& c : thumbs) {
        const RECT thumb = LayoutScrollBar(RECT{0, 0, 17, c[0]}, c[1], c[2], c[3]).thumb;
        EXPECT_EQ(std::make_pair(c[4], c[5]), std::make_pair(int(thumb.top), int(thumb.bottom)));
    }
    // Page up gathers a view starting with the top row, but never row 0;
    // page down takes the last row ending strictly above the bottom; the
    // down arrow steps while the rows from the top on overflow.
    const std::vector<int> rows(20, 17);
    EXPECT_EQ(5, PageUpTarget(rows, 10, 85));   // exactly 85 after five
    EXPECT_EQ(4, PageDownTarget(rows, 0, 102)); // row 5 ends on the edge
    EXPECT_EQ(-1, PageDownTarget({100, 30}, 0, 100));
    EXPECT_TRUE(CanStepDown(rows, 14, 100) && !CanStepDown(rows, 15, 100)); // 102, 85 below
}
