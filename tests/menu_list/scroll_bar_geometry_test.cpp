// The scroll bar's geometry without a window.
#include <gtest/gtest.h>

#include <vector>

#include "controls/scroll_bar_geometry.h"

namespace {

// A bar 200 tall at x 100: arrows at 0..19 and 181..200, a track of 162.
const RECT kBar{100, 0, 117, 200};

int Height(const RECT& rect)
{
    return rect.bottom - rect.top;
}

} // namespace

TEST(ScrollBarGeometry, ThumbIsTheVisibleShareAndTravelsWithTheContent)
{
    // Content twice the view: half the track (81), at the top.
    const ScrollBarLayout top = LayoutScrollBar(kBar, 200, 400, 0);
    EXPECT_EQ(19, top.track.top);
    EXPECT_EQ(181, top.track.bottom);
    EXPECT_EQ(81, Height(top.thumb));
    EXPECT_EQ(19, top.thumb.top);
    // 100 of 200 hidden pixels: 40.5 of 81 track pixels, rounded.
    EXPECT_EQ(19 + 41, LayoutScrollBar(kBar, 200, 400, 100).thumb.top);
    EXPECT_EQ(181, LayoutScrollBar(kBar, 200, 400, 200).thumb.bottom);

    EXPECT_EQ(41, ThumbHeight(100, 400, 162));  // 40.5 rounds up
    EXPECT_EQ(1, ThumbHeight(5, 1000, 162));    // no minimum height
    EXPECT_EQ(0, ThumbHeight(1, 1000, 162));
}

TEST(ScrollBarGeometry, ThumbScrolledPastTheEndRestsOnTheTrackBottom)
{
    // Ten rows of 17 in a view of 100: the list box lets row 5 be the top
    // row, 85 pixels down, though only 70 pixels are hidden.
    const ScrollBarLayout layout = LayoutScrollBar(RECT{0, 0, 17, 100}, 100, 170, 85);
    EXPECT_EQ(81, layout.thumb.bottom);
    EXPECT_EQ(36, Height(layout.thumb));
}

TEST(ScrollBarGeometry, DegenerateSizesNeitherDivideByZeroNorGoNegative)
{
    const ScrollBarLayout fits = LayoutScrollBar(kBar, 200, 200, 0);
    EXPECT_EQ(162, Height(fits.thumb));
    EXPECT_EQ(0, ContentOffsetOfThumb(fits, fits.thumb.top + 5));
    EXPECT_EQ(162, Height(LayoutScrollBar(kBar, 200, 0, 0).thumb));
    // Shorter than both arrows: a track and a thumb of no length.
    EXPECT_EQ(0, Height(LayoutScrollBar(RECT{0, 0, 17, 30}, 30, 300, 100).thumb));
}

TEST(ScrollBarGeometry, PartsAreTestedArrowsFirstThenThumbThenTrack)
{
    const ScrollBarLayout layout = LayoutScrollBar(kBar, 200, 400, 100);  // thumb 60..141
    const struct {
        POINT point;
        ScrollPart part;
    } cases[] = {
        {{100, 0}, ScrollPart::UpArrow},    {{116, 18}, ScrollPart::UpArrow},
        {{108, 19}, ScrollPart::PageUp},    {{108, 59}, ScrollPart::PageUp},
        {{108, 60}, ScrollPart::Thumb},     {{108, 140}, ScrollPart::Thumb},
        {{108, 141}, ScrollPart::PageDown}, {{108, 180}, ScrollPart::PageDown},
        {{108, 181}, ScrollPart::DownArrow}, {{116, 199}, ScrollPart::DownArrow},
        {{99, 100}, ScrollPart::None},      {{117, 100}, ScrollPart::None},
        {{108, 200}, ScrollPart::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.part, HitTestPart(layout, c.point)) << c.point.x << "," << c.point.y;
}

TEST(ScrollBarGeometry, DragsStayOnTheTrackAndMapBackToContent)
{
    const ScrollBarLayout layout = LayoutScrollBar(kBar, 200, 400, 0);  // thumb 19..100
    EXPECT_TRUE(ThumbMoveFits(layout, 19, 81));   // exactly onto the track's end
    EXPECT_FALSE(ThumbMoveFits(layout, 19, 82));  // refused whole, not shortened
    EXPECT_TRUE(ThumbMoveFits(layout, 30, -11));
    EXPECT_FALSE(ThumbMoveFits(layout, 30, -12));

    EXPECT_EQ(0, ContentOffsetOfThumb(layout, 19));
    EXPECT_EQ(200, ContentOffsetOfThumb(layout, 100));
    for (int offset = 0; offset <= 200; offset += 17) {
        const int thumbTop = LayoutScrollBar(kBar, 200, 400, offset).thumb.top;
        EXPECT_NEAR(offset, ContentOffsetOfThumb(layout, thumbTop), 2) << offset;
    }

    const std::vector<int> heights{17, 32, 17};
    EXPECT_EQ(0, RowAtContentOffset(heights, 16));
    EXPECT_EQ(1, RowAtContentOffset(heights, 17));
    EXPECT_EQ(2, RowAtContentOffset(heights, 49));
    EXPECT_EQ(-1, RowAtContentOffset(heights, 66));
    EXPECT_EQ(-1, RowAtContentOffset(heights, -1));
}

TEST(ScrollBarGeometry, PageUpGathersAViewStartingWithTheTopRowButNeverRowZero)
{
    const std::vector<int> rows(20, 17);
    EXPECT_EQ(4, PageUpTarget(rows, 10, 100));  // six rows: 102 >= 100
    EXPECT_EQ(5, PageUpTarget(rows, 10, 85));   // exactly 85 after five
    EXPECT_EQ(0, PageUpTarget(rows, 3, 100));
    EXPECT_EQ(0, PageUpTarget(rows, 0, 100));
    EXPECT_EQ(0, PageUpTarget({}, 0, 100));
}

TEST(ScrollBarGeometry, PageDownTakesTheLastRowEndingStrictlyAboveTheBottom)
{
    const std::vector<int> rows(20, 17);
    EXPECT_EQ(4, PageDownTarget(rows, 0, 100));  // row 4 ends at 85, row 5 at 102
    EXPECT_EQ(7, PageDownTarget(rows, 3, 100));
    EXPECT_EQ(4, PageDownTarget(rows, 0, 102));  // ending on the edge does not count
    EXPECT_EQ(5, PageDownTarget(rows, 0, 103));
    EXPECT_EQ(2, PageDownTarget({50, 50, 60, 60}, 2, 100));  // only the top row: no move
    EXPECT_EQ(-1, PageDownTarget({100, 30}, 0, 100));

    EXPECT_TRUE(CanStepDown(std::vector<int>(10, 17), 4, 100));   // 102 below the top
    EXPECT_FALSE(CanStepDown(std::vector<int>(10, 17), 5, 100));  // 85
    EXPECT_FALSE(CanStepDown(std::vector<int>(6, 17), 0, 102));
}

TEST(ScrollBarGeometry, ShortThumbsDrawWhatFits)
{
    const int cases[][4] = {{81, 2, 77, 2}, {4, 2, 0, 2}, {3, 2, 0, 1},
                            {2, 1, 0, 1},   {1, 1, 0, 0}, {0, 0, 0, 0}, {-3, 0, 0, 0}};
    for (const auto& c : cases) {
        const ThumbSlices slices = SliceThumb(c[0]);
        EXPECT_EQ(c[1], slices.topRows) << c[0];
        EXPECT_EQ(c[2], slices.middleRows) << c[0];
        EXPECT_EQ(c[3], slices.bottomRows) << c[0];
    }
}
