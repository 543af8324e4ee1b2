// The list's rules without a window: which row is current, how the keyboard
// scrolls by whole rows, and what counts as a caption under the pointer.
#include <gtest/gtest.h>

#include <vector>

#include "controls/list_keyboard.h"
#include "controls/menu_row_layout.h"

TEST(CurrentRow, SelectionFirstThenAHoverThatStillExists)
{
    EXPECT_EQ(3, CurrentRow(3, 5, 10));
    EXPECT_EQ(5, CurrentRow(-1, 5, 10));
    EXPECT_EQ(-1, CurrentRow(-1, -1, 10));
    // The hover survives a refill with fewer rows: it is no row at all then.
    EXPECT_EQ(-1, CurrentRow(-1, 10, 10));
    EXPECT_EQ(-1, CurrentRow(-1, 4, 0));
    EXPECT_EQ(9, CurrentRow(-1, 9, 10));
}

TEST(KeyboardScroll, RowPositionsRelativeToTheView)
{
    const std::vector<int> heights{17, 32, 17, 47};
    EXPECT_EQ(0, RowTopInView(heights, 0, 0));
    EXPECT_EQ(49, RowTopInView(heights, 0, 2));
    EXPECT_EQ(32, RowTopInView(heights, 1, 2));
    EXPECT_EQ(-49, RowTopInView(heights, 2, 0));
}

TEST(KeyboardScroll, DownOntoACutOffRowScrollsByWholeRows)
{
    const std::vector<int> rows(10, 17);
    // View of 100: row 5 spans 85..102, two pixels cut off; one row of scroll.
    EXPECT_TRUE(RowReachesBottom(rows, 0, 5, 100));
    EXPECT_EQ(1, TopToReveal(rows, 0, 5, 100));
    EXPECT_FALSE(RowReachesBottom(rows, 0, 4, 100));
    EXPECT_EQ(0, TopToReveal(rows, 0, 4, 100));

    // Tall rows at the top are skipped whole: row 3 spans 66..113 in a view
    // of 80, so 33 pixels must go and the 17-pixel row 0 is not enough.
    const std::vector<int> mixed{17, 32, 17, 47, 17};
    EXPECT_EQ(2, TopToReveal(mixed, 0, 3, 80));
    // Once row 0 is 47 tall it alone is enough: row 3 spans 81..128 in 81.
    EXPECT_EQ(1, TopToReveal({47, 17, 17, 47}, 0, 3, 81));
}

TEST(KeyboardScroll, ARowEndingOnTheBottomEdgeTouchesItButNeedsNoScroll)
{
    const std::vector<int> rows(10, 17);
    EXPECT_TRUE(RowReachesBottom(rows, 0, 5, 102));
    EXPECT_EQ(0, TopToReveal(rows, 0, 5, 102));
    EXPECT_EQ(3, TopToReveal(rows, 3, 8, 102));
}

TEST(KeyboardScroll, ATallRowNeverScrollsPastTheLastRow)
{
    // A row taller than the view cannot fit: the walk stops with the row on
    // top rather than scrolling past it.
    EXPECT_EQ(2, TopToReveal({17, 17, 300}, 0, 2, 100));
    EXPECT_EQ(1, TopToReveal({17, 300, 17}, 0, 1, 100));
}

TEST(RowLayout, RowsAreTheirCaptionPlusTwo)
{
    EXPECT_EQ(17, RowHeightForText(15));
    EXPECT_EQ(32, RowHeightForText(30));
    const RECT box = CaptionBox(RECT{0, 34, 205, 51});
    EXPECT_EQ(19, box.left);
    EXPECT_EQ(34, box.top);
    EXPECT_EQ(205, box.right);
    EXPECT_EQ(51, box.bottom);
}

TEST(RowLayout, OnlyTheCaptionTextItselfIsAHit)
{
    const RECT row{0, 17, 205, 34};
    const SIZE caption{60, 15};  // one line, 60 pixels wide
    EXPECT_TRUE(IsOnCaption(row, caption, POINT{19, 17}));
    EXPECT_TRUE(IsOnCaption(row, caption, POINT{78, 31}));
    // The bullet column.
    EXPECT_FALSE(IsOnCaption(row, caption, POINT{18, 20}));
    EXPECT_FALSE(IsOnCaption(row, caption, POINT{5, 20}));
    // Right of the text.
    EXPECT_FALSE(IsOnCaption(row, caption, POINT{79, 20}));
    EXPECT_FALSE(IsOnCaption(row, caption, POINT{200, 20}));
    // The two pixels below the text.
    EXPECT_FALSE(IsOnCaption(row, caption, POINT{40, 32}));
    EXPECT_FALSE(IsOnCaption(row, caption, POINT{40, 33}));
}
