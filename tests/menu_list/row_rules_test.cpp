// The list's rules without a window: the current row, the keyboard's scroll
// by whole rows and what counts as a caption under the pointer.
#include <gtest/gtest.h>

#include <vector>

#include "controls/list_keyboard.h"
#include "controls/menu_row_layout.h"

TEST(RowRules, TheSelectionWinsAndAVanishedHoverIsNoRow)
{
    EXPECT_EQ(3, CurrentRow(3, 5, 10));
    EXPECT_EQ(9, CurrentRow(-1, 9, 10));
    EXPECT_EQ(-1, CurrentRow(-1, 10, 10));
    EXPECT_EQ(-1, CurrentRow(-1, 4, 0));
}

TEST(RowRules, DownScrollsByWholeRowsOnlyAsFarAsNeeded)
{
    const std::vector<int> rows(10, 17);
    // View of 100: row 5 spans 85..102; one row of scroll brings it in.
    EXPECT_TRUE(RowReachesBottom(rows, 0, 5, 100));
    EXPECT_EQ(1, TopToReveal(rows, 0, 5, 100));
    EXPECT_FALSE(RowReachesBottom(rows, 0, 4, 100));
    // Ending exactly on the bottom edge touches it but needs no scroll.
    EXPECT_TRUE(RowReachesBottom(rows, 0, 5, 102));
    EXPECT_EQ(0, TopToReveal(rows, 0, 5, 102));
    // Row 3 spans 66..113 in a view of 80: 33 pixels must go, and the
    // 17-pixel row 0 alone is not enough.
    EXPECT_EQ(2, TopToReveal({17, 32, 17, 47, 17}, 0, 3, 80));
    // A row taller than the view ends up on top, not scrolled past.
    EXPECT_EQ(2, TopToReveal({17, 17, 300}, 0, 2, 100));
    EXPECT_EQ(-49, RowTopInView({17, 32, 17}, 2, 0));
}

TEST(RowRules, OnlyTheCaptionTextItselfIsAHit)
{
    const RECT row{0, 17, 205, 34};
    const SIZE caption{60, 15};
    EXPECT_EQ(17, RowHeightForText(15));
    EXPECT_TRUE(IsOnCaption(row, caption, POINT{19, 17}));
    EXPECT_TRUE(IsOnCaption(row, caption, POINT{78, 31}));
    EXPECT_FALSE(IsOnCaption(row, caption, POINT{18, 20}));  // bullet column
    EXPECT_FALSE(IsOnCaption(row, caption, POINT{79, 20}));  // right of the text
    EXPECT_FALSE(IsOnCaption(row, caption, POINT{40, 32}));  // the 2 pixels below
    EXPECT_FALSE(IsOnCaption(row, caption, POINT{40, 33}));
}
