// The list's rules without a window: the keyboard's scroll by whole rows and
// the scroll bar's geometry.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "controls/list_keyboard.h"
#include "controls/scroll_bar_geometry.h"

TEST(RowRules, DownScrollsByWholeRowsOfAnyHeightOnlyAsFarAsNeeded)
{
    // Row 3 spans 66..113 in a view of 80: the 17-pixel row 0 alone is not enough.
    EXPECT_EQ(2, TopToReveal({17, 32, 17, 47, 17}, 0, 3, 80));
    EXPECT_EQ(0, TopToReveal({17, 32, 17, 47, 17}, 0, 2, 66)); // ending on the bottom edge
    // A row taller than the view ends up on top, not scrolled past.
    EXPECT_EQ(2, TopToReveal({17, 17, 300}, 0, 2, 100));
}

TEST(ScrollBarGeometry, ThumbIsTheVisibleShareOfTheTrackAndRestsOnItsBottom)
{
    // {bar height, client height, total height, height above, thumb top, bottom}
    const int cases[][6] = {
        {200, 200, 400, 0, 19, 100},   // half the track of 162, rounded up
        {200, 200, 400, 100, 60, 141}, // 100 of 200 hidden: 40.5 of 81 track pixels
        {200, 200, 400, 200, 100, 181},
        // The list box lets row 5 of 10 be the top row, 85 pixels down,
        // though only 70 are hidden: the thumb stays on the track.
        {100, 100, 170, 85, 45, 81},
        {200, 200, 200, 0, 19, 181}, // all shown: the whole track
        {200, 5, 1000, 0, 19, 20},   // no minimum height
        {30, 30, 300, 100, 19, 19},  // shorter than both arrows
    };
    for (const auto& c : cases) {
        const RECT thumb = LayoutScrollBar(RECT{0, 0, 17, c[0]}, c[1], c[2], c[3]).thumb;
        EXPECT_EQ(std::make_pair(c[4], c[5]), std::make_pair(int(thumb.top), int(thumb.bottom)))
            << c[3] << " above";
    }
}

TEST(ScrollBarGeometry, PagesAndArrowStepsOnRowsOf17)
{
    const std::vector<int> rows(20, 17);
    // Page up gathers a view starting with the top row, but never row 0.
    EXPECT_EQ(4, PageUpTarget(rows, 10, 100)); // six rows: 102 >= 100
    EXPECT_EQ(5, PageUpTarget(rows, 10, 85));  // exactly 85 after five
    EXPECT_EQ(0, PageUpTarget(rows, 3, 100));
    EXPECT_EQ(0, PageUpTarget({}, 0, 100));
    // Page down takes the last row ending strictly above the bottom.
    EXPECT_EQ(4, PageDownTarget(rows, 0, 100)); // row 4 ends at 85, row 5 at 102
    EXPECT_EQ(7, PageDownTarget(rows, 3, 100));
    EXPECT_EQ(4, PageDownTarget(rows, 0, 102)); // ending on the edge does not count
    EXPECT_EQ(5, PageDownTarget(rows, 0, 103));
    EXPECT_EQ(2, PageDownTarget({50, 50, 60, 60}, 2, 100)); // only the top row: no move
    EXPECT_EQ(-1, PageDownTarget({100, 30}, 0, 100));
    // The down arrow steps while the rows from the top on overflow.
    EXPECT_TRUE(CanStepDown(rows, 14, 100));  // 102 below the top
    EXPECT_FALSE(CanStepDown(rows, 15, 100)); // 85
}
