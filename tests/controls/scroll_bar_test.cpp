// Scrolling thirty one-line rows, more than the list shows: the keyboard and
// the list's own scroll bar, pressed, held and dragged for real.
#include <utility>

#include "fixture.h"

struct ScrollTest : ControlsTest {
    void SetUp() override { Open(30); }
};

// Only focus after the first selects a row, the top visible one, and losing
// the focus ends the keyboard's row but not its description. The arrow keys
// then scroll by whole rows only as far as needed.
TEST_F(ScrollTest, FocusAndArrowKeysSelectVisibleRowsScrollingByWholeRows)
{
    EXPECT_EQ(Width() - 18, Rect(true).right) << "the bar takes its column";
    Send(LB_SETTOPINDEX, 9);
    for (int expected : {-1, 9}) {
        SetFocus(menu->Control(IDC_EXIT_LINK));
        SetFocus(List());
        EXPECT_EQ(expected, Selection());
    }
    SetFocus(menu->Control(IDC_EXIT_LINK));
    EXPECT_EQ(-1, Menu().GetCurrent());
    EXPECT_EQ(std::vector<int>{9}, CurrentItems());
    Send(LB_SETTOPINDEX, 0);
    for (int row = 0; row < 30; ++row) {
        Key(VK_DOWN);
        const int below = Rect(true).bottom - RowRect(row).bottom;
        EXPECT_TRUE(below >= 0 && (Top() == 0 || below < 17)) << row;
    }
    // Up at the top of the view scrolls by exactly one row.
    Send(LB_SETTOPINDEX, 12);
    Send(LB_SETCURSEL, 12);
    Key(VK_UP);
    EXPECT_EQ(std::make_pair(11, 11), std::make_pair(Selection(), Top()));
}

// An arrow steps at once, then from the sixth tick while the pointer stays on
// it; a double click steps once more; a lost capture ends a press.
TEST_F(ScrollTest, ArrowsOfTheBarRepeatOnlyWhileHeldOnThem)
{
    auto tick = [this](int count) {
        while (count-- > 0)
            Send(WM_TIMER, 100);
    };
    Send(LB_SETTOPINDEX, 12);
    Press(OnBar(9));
    // {ticks, the pointer off the pressed arrow, the top row after them}
    const int steps[][3] = {{0, 0, 11}, {5, 0, 11}, {2, 0, 9}, {3, 1, 9}, {1, 0, 8}};
    for (const auto& step : steps) {
        MovePointer(OnBar(step[1] ? TrackBottom() - 3 : 9));
        tick(step[0]);
        EXPECT_EQ(step[2], Top()) << step[0] << " ticks";
    }
    Release();
    // Below the thumb the track pages down to the last row that ends
    // strictly above the list's bottom.
    Send(LB_SETTOPINDEX, 0);
    Press(OnBar(TrackBottom() - 3));
    Release();
    EXPECT_EQ((Rect(true).bottom - 1) / 17 - 1, Top());
    // A double click on the down arrow steps once more, without a repeat.
    Send(LB_SETTOPINDEX, 10);
    Press(OnBar(TrackBottom() + 9));
    Release();
    Press(OnBar(TrackBottom() + 9), WM_NCLBUTTONDBLCLK);
    EXPECT_EQ(nullptr, GetCapture());
    tick(10);
    EXPECT_EQ(12, Top());
    // Another window takes the capture: the press ends, the new capture stays.
    Press(OnBar(9));
    SetCapture(menu->Dialog());
    tick(10);
    EXPECT_EQ(11, Top());
    EXPECT_EQ(menu->Dialog(), GetCapture());
}

TEST_F(ScrollTest, DraggingTheThumbScrollsAndRefusesToLeaveTheTrack)
{
    // The thumb's top and bottom as painted: the rows of the track whose left
    // column has the thumb's edge grey between its two white end pixels.
    auto painted = [this] {
        const Pixels pixels = Shown(List());
        int first = -1, last = -1;
        for (int y = 19; y < TrackBottom(); ++y)
            if (pixels.At(Width() - 17, y) == RGB(213, 213, 213)) {
                first = first < 0 ? y : first;
                last = y;
            }
        return std::make_pair(first - 1, last + 2);
    };
    auto dragTo = [this](int y) {
        MovePointer(OnBar(y));
        Send(WM_MOUSEMOVE, MK_LBUTTON, Pack(OnBar(y)));
    };
    const auto start = painted();
    const int height = start.second - start.first;
    EXPECT_EQ(19, start.first);
    EXPECT_NEAR((TrackBottom() - 19) * Rect(true).bottom / (30.0 * 17), height, 1.0);
    const int grip = start.first + height / 2;
    Press(OnBar(grip));
    dragTo(grip + 20);
    const int moved = Top();
    EXPECT_EQ(start.first + 20, painted().first);
    // Past the end of the track the move is refused whole, but the pointer's
    // place is taken: moving back moves the thumb at once.
    const int beyond = grip + TrackBottom() + 11;
    dragTo(beyond);
    EXPECT_EQ(moved, Top());
    dragTo(beyond - 10);
    EXPECT_EQ(start.first + 10, painted().first);
    // Onto the end of the track: the top row holds the last content offset.
    dragTo(beyond - 20 + TrackBottom() - start.second);
    EXPECT_EQ(TrackBottom(), painted().second);
    EXPECT_EQ((30 * 17 - Rect(true).bottom) / 17, Top());
}
