// The scroll bar's geometry without a window: thumb size and place, the part
// under a point, the drag mapping and the page targets.
#include <gtest/gtest.h>

#include <vector>

#include "controls/scroll_bar_geometry.h"

namespace {

// A bar 17 wide and 200 tall: arrows at 0..19 and 181..200, track 19..181.
const RECT kBar{100, 0, 117, 200};
constexpr int kTrackLength = 200 - 2 * kArrowHeight;

std::vector<int> Rows(int count, int height)
{
    return std::vector<int>(count, height);
}

int Height(const RECT& rect)
{
    return rect.bottom - rect.top;
}

} // namespace

TEST(ScrollBarFrame, TheBarIsTheRightmostSeventeenPixelsOfTheWindow)
{
    const RECT frame = ScrollFrame(RECT{300, 400, 523, 574}, false);
    EXPECT_EQ(0, frame.left);
    EXPECT_EQ(0, frame.top);
    EXPECT_EQ(223, frame.right);
    EXPECT_EQ(174, frame.bottom);
    const RECT bar = ScrollBarRectIn(frame);
    EXPECT_EQ(206, bar.left);
    EXPECT_EQ(223, bar.right);
    EXPECT_EQ(0, bar.top);
    EXPECT_EQ(174, bar.bottom);

    // A client edge takes one pixel on every side.
    const RECT edged = ScrollFrame(RECT{300, 400, 523, 574}, true);
    EXPECT_EQ(1, edged.left);
    EXPECT_EQ(1, edged.top);
    EXPECT_EQ(222, edged.right);
    EXPECT_EQ(173, edged.bottom);
}

TEST(ScrollBarLayout, ArrowsAndTrackShareTheBar)
{
    const ScrollBarLayout layout = LayoutScrollBar(kBar, 100, 400, 0);
    EXPECT_EQ(0, layout.upArrow.top);
    EXPECT_EQ(19, layout.upArrow.bottom);
    EXPECT_EQ(181, layout.downArrow.top);
    EXPECT_EQ(200, layout.downArrow.bottom);
    EXPECT_EQ(19, layout.track.top);
    EXPECT_EQ(181, layout.track.bottom);
    EXPECT_EQ(kBar.left, layout.thumb.left);
    EXPECT_EQ(kBar.right, layout.thumb.right);
}

TEST(ScrollBarLayout, ContentTwiceTheViewGivesHalfTheTrackAtTheTop)
{
    const ScrollBarLayout layout = LayoutScrollBar(kBar, 200, 400, 0);
    EXPECT_EQ(81, Height(layout.thumb));
    EXPECT_EQ(19, layout.thumb.top);
}

TEST(ScrollBarLayout, ThumbHeightIsTheVisibleShareRounded)
{
    EXPECT_EQ(41, ThumbHeight(100, 400, 162));  // 40.5 rounds up
    EXPECT_EQ(54, ThumbHeight(100, 300, 162));  // 54.0
    EXPECT_EQ(1, ThumbHeight(5, 1000, 162));    // no minimum: 0.81 rounds to 1
    EXPECT_EQ(0, ThumbHeight(1, 1000, 162));    // 0.162 rounds to nothing
    EXPECT_EQ(0, ThumbHeight(1, 1000, 0));
}

TEST(ScrollBarLayout, ThumbTravelsLinearlyWithTheContent)
{
    // S - H = 200 content pixels over L - thumb = 162 - 81 = 81 track pixels.
    const ScrollBarLayout half = LayoutScrollBar(kBar, 200, 400, 100);
    EXPECT_EQ(19 + 41, half.thumb.top);  // 100 * 81 / 200 = 40.5, rounded
    const ScrollBarLayout end = LayoutScrollBar(kBar, 200, 400, 200);
    EXPECT_EQ(181, end.thumb.bottom);
}

TEST(ScrollBarLayout, ThumbScrolledPastTheEndRestsOnTheTrackBottom)
{
    // Ten rows of 17 in a list 100 tall: the list box lets the top row be
    // row 5, 85 pixels down, though only 70 pixels are hidden.
    const RECT bar{0, 0, 17, 100};
    const ScrollBarLayout layout = LayoutScrollBar(bar, 100, 170, 85);
    EXPECT_EQ(81, layout.track.bottom);
    EXPECT_EQ(36, Height(layout.thumb));
    EXPECT_EQ(81, layout.thumb.bottom);
    EXPECT_EQ(45, layout.thumb.top);
}

TEST(ScrollBarLayout, DegenerateSizesNeverDivideByZeroOrGoNegative)
{
    // Everything fits: the thumb fills the track and nothing can scroll.
    const ScrollBarLayout fits = LayoutScrollBar(kBar, 200, 200, 0);
    EXPECT_EQ(kTrackLength, Height(fits.thumb));
    EXPECT_EQ(0.0, fits.travelRatio);
    EXPECT_EQ(0, ContentOffsetOfThumb(fits, fits.thumb.top + 5));

    const ScrollBarLayout empty = LayoutScrollBar(kBar, 200, 0, 0);
    EXPECT_EQ(kTrackLength, Height(empty.thumb));

    // A list shorter than both arrows has a track of no length.
    const ScrollBarLayout tiny = LayoutScrollBar(RECT{0, 0, 17, 30}, 30, 300, 100);
    EXPECT_GE(Height(tiny.thumb), 0);
    EXPECT_EQ(0, Height(tiny.thumb));
}

TEST(ScrollBarHitTest, PartsInTheirOrder)
{
    // Thumb 81 tall at 60..141 (content offset 100 of 200).
    const ScrollBarLayout layout = LayoutScrollBar(kBar, 200, 400, 100);
    ASSERT_EQ(60, layout.thumb.top);
    ASSERT_EQ(141, layout.thumb.bottom);

    EXPECT_EQ(ScrollPart::UpArrow, HitTestPart(layout, POINT{100, 0}));
    EXPECT_EQ(ScrollPart::UpArrow, HitTestPart(layout, POINT{116, 18}));
    EXPECT_EQ(ScrollPart::PageUp, HitTestPart(layout, POINT{108, 19}));
    EXPECT_EQ(ScrollPart::PageUp, HitTestPart(layout, POINT{108, 59}));
    EXPECT_EQ(ScrollPart::Thumb, HitTestPart(layout, POINT{108, 60}));
    EXPECT_EQ(ScrollPart::Thumb, HitTestPart(layout, POINT{108, 140}));
    EXPECT_EQ(ScrollPart::PageDown, HitTestPart(layout, POINT{108, 141}));
    EXPECT_EQ(ScrollPart::PageDown, HitTestPart(layout, POINT{108, 180}));
    EXPECT_EQ(ScrollPart::DownArrow, HitTestPart(layout, POINT{108, 181}));
    EXPECT_EQ(ScrollPart::DownArrow, HitTestPart(layout, POINT{116, 199}));

    // Left of the bar (the gap column) and right of it is no part.
    EXPECT_EQ(ScrollPart::None, HitTestPart(layout, POINT{99, 100}));
    EXPECT_EQ(ScrollPart::None, HitTestPart(layout, POINT{117, 100}));
    EXPECT_EQ(ScrollPart::None, HitTestPart(layout, POINT{108, 200}));
}

TEST(ScrollBarDrag, MovesThatLeaveTheTrackAreRefusedWhole)
{
    const ScrollBarLayout layout = LayoutScrollBar(kBar, 200, 400, 0);  // thumb 19..100
    EXPECT_TRUE(ThumbMoveFits(layout, 19, 81));   // bottom exactly on the track's end
    EXPECT_FALSE(ThumbMoveFits(layout, 19, 82));  // one past: refused, not shortened
    EXPECT_FALSE(ThumbMoveFits(layout, 19, -1));
    EXPECT_TRUE(ThumbMoveFits(layout, 30, -11));  // back to the top exactly
    EXPECT_FALSE(ThumbMoveFits(layout, 30, -12));
}

TEST(ScrollBarDrag, ThumbPositionMapsBackToTheContentOffset)
{
    const ScrollBarLayout layout = LayoutScrollBar(kBar, 200, 400, 0);
    EXPECT_EQ(0, ContentOffsetOfThumb(layout, 19));
    EXPECT_EQ(200, ContentOffsetOfThumb(layout, 100));  // thumb on the bottom
    for (int offset = 0; offset <= 200; offset += 17) {
        const ScrollBarLayout at = LayoutScrollBar(kBar, 200, 400, offset);
        EXPECT_NEAR(offset, ContentOffsetOfThumb(layout, at.thumb.top), 2) << offset;
    }
}

TEST(ScrollBarDrag, ContentOffsetFindsTheRowThatHoldsIt)
{
    const std::vector<int> heights{17, 32, 17};
    EXPECT_EQ(0, RowAtContentOffset(heights, 0));
    EXPECT_EQ(0, RowAtContentOffset(heights, 16));
    EXPECT_EQ(1, RowAtContentOffset(heights, 17));
    EXPECT_EQ(1, RowAtContentOffset(heights, 48));
    EXPECT_EQ(2, RowAtContentOffset(heights, 49));
    EXPECT_EQ(-1, RowAtContentOffset(heights, 66));
    EXPECT_EQ(-1, RowAtContentOffset(heights, -1));
    EXPECT_EQ(-1, RowAtContentOffset({}, 0));
}

TEST(ScrollBarPaging, PageUpGathersAClientHeightStartingWithTheTopRow)
{
    const std::vector<int> rows = Rows(20, 17);
    EXPECT_EQ(4, PageUpTarget(rows, 10, 100));  // 6 rows gathered: 102 >= 100
    EXPECT_EQ(5, PageUpTarget(rows, 10, 85));   // exactly 85 after 5 rows
    // Row 0's height is never added: from row 3 the walk ends at 0.
    EXPECT_EQ(0, PageUpTarget(rows, 3, 100));
    EXPECT_EQ(0, PageUpTarget(rows, 1, 100));
    EXPECT_EQ(0, PageUpTarget(rows, 0, 100));
    EXPECT_EQ(0, PageUpTarget({}, 0, 100));
}

TEST(ScrollBarPaging, PageDownTakesTheLastRowEndingStrictlyAboveTheBottom)
{
    const std::vector<int> rows = Rows(20, 17);
    EXPECT_EQ(4, PageDownTarget(rows, 0, 100));  // row 4 ends at 85, row 5 at 102
    EXPECT_EQ(7, PageDownTarget(rows, 3, 100));
    // A row ending exactly on the bottom edge does not count.
    EXPECT_EQ(4, PageDownTarget(rows, 0, 102));
    EXPECT_EQ(5, PageDownTarget(rows, 0, 103));
    // Only the top row qualifies: the target is the top itself.
    EXPECT_EQ(2, PageDownTarget({50, 50, 60, 60}, 2, 100));
    // Not even the top row ends above the bottom.
    EXPECT_EQ(-1, PageDownTarget({120, 30}, 0, 100));
    EXPECT_EQ(-1, PageDownTarget({100, 30}, 0, 100));
}

TEST(ScrollBarPaging, DownArrowStepsOnlyWhileRowsRemainHidden)
{
    const std::vector<int> rows = Rows(10, 17);  // 170 pixels in a view of 100
    EXPECT_TRUE(CanStepDown(rows, 0, 100));
    EXPECT_TRUE(CanStepDown(rows, 4, 100));   // rows 4..9 are 102 tall
    EXPECT_FALSE(CanStepDown(rows, 5, 100));  // rows 5..9 are 85 tall
    EXPECT_FALSE(CanStepDown(Rows(6, 17), 0, 102));
}

TEST(ScrollBarThumbSlices, EdgesAndStretchedMiddle)
{
    auto expect = [](int height, int top, int middle, int bottom) {
        const ThumbSlices slices = SliceThumb(height);
        EXPECT_EQ(top, slices.topRows) << height;
        EXPECT_EQ(middle, slices.middleRows) << height;
        EXPECT_EQ(bottom, slices.bottomRows) << height;
        EXPECT_EQ(height > 0 ? height : 0, slices.topRows + slices.middleRows + slices.bottomRows);
    };
    expect(81, 2, 77, 2);
    expect(4, 2, 0, 2);
    // Shorter thumbs draw what fits and never stretch by a negative height.
    expect(3, 2, 0, 1);
    expect(2, 1, 0, 1);
    expect(1, 1, 0, 0);
    expect(0, 0, 0, 0);
    expect(-3, 0, 0, 0);
}
