// The list's own scroll bar, pressed, held and dragged for real.
#include "controls/scroll_bar_geometry.h"
#include "menu_list_fixture.h"

TEST_F(ScrollingListTest, AnArrowStepsAtOnceThenFromTheSixthTickWhileThePointerStaysOnIt)
{
    Send(LB_SETTOPINDEX, 12);
    Press(UpArrow());
    EXPECT_EQ(11, Top());
    EXPECT_EQ(List(), GetCapture());
    Tick(5);
    EXPECT_EQ(11, Top());
    Tick(2);
    EXPECT_EQ(9, Top());

    MovePointer(LowTrack()); // off the pressed arrow
    Tick(3);
    EXPECT_EQ(9, Top());
    MovePointer(UpArrow());
    Tick(1);
    EXPECT_EQ(8, Top());

    Release();
    EXPECT_EQ(nullptr, GetCapture());
    Tick(3);
    EXPECT_EQ(8, Top()) << "ticks still queued after the release do not step";
}

TEST_F(ScrollingListTest, PagingDownAndUpByTheTrack)
{
    Press(LowTrack());
    Release();
    EXPECT_EQ(PageDownTarget(std::vector<int>(30, 17), 0, ClientRect().bottom), Top());

    // From the bottom, up until the thumb reaches the pointer.
    Send(LB_SETTOPINDEX, 29);
    const POINT middle{BarLeft() + 8, (19 + TrackBottom()) / 2};
    Press(middle);
    Tick(5 + 20);
    const int stopped = Top();
    Tick(10);
    Release();
    EXPECT_EQ(stopped, Top());
    EXPECT_GT(stopped, 0);
    EXPECT_LE(PaintedThumb().first, middle.y);
    EXPECT_GT(PaintedThumb().second, middle.y);
}

TEST_F(ScrollingListTest, ADoubleClickStepsOnceMoreAndALostCaptureEndsAPress)
{
    Send(LB_SETTOPINDEX, 10);
    Press(DownArrow());
    Release();
    Press(DownArrow(), WM_NCLBUTTONDBLCLK);
    EXPECT_EQ(12, Top());
    EXPECT_EQ(nullptr, GetCapture()) << "no repeat";
    Tick(10);
    EXPECT_EQ(12, Top());

    // Another window takes the capture: the press ends, the new capture stays.
    Press(UpArrow());
    SetCapture(menu->Dialog());
    Tick(10);
    EXPECT_EQ(11, Top());
    EXPECT_EQ(menu->Dialog(), GetCapture());
    ReleaseCapture();
}

TEST_F(ScrollingListTest, DraggingTheThumbScrollsAndRefusesToLeaveTheTrack)
{
    const int track = TrackBottom() - 19;
    const auto start = PaintedThumb();
    const int height = start.second - start.first;
    EXPECT_EQ(19, start.first);
    EXPECT_NEAR(track * ClientRect().bottom / (30.0 * 17), height, 1.0);

    const int grip = start.first + height / 2;
    Press(POINT{BarLeft() + 8, grip});
    DragTo(POINT{BarLeft() + 8, grip + 20});
    const int moved = Top();
    EXPECT_GT(moved, 0);
    EXPECT_EQ(start.first + 20, PaintedThumb().first);

    // Past the end of the track the move is refused whole, but the pointer's
    // place is taken: moving back moves the thumb at once.
    const int beyond = grip + track + 30;
    DragTo(POINT{BarLeft() + 8, beyond});
    EXPECT_EQ(moved, Top());
    EXPECT_EQ(start.first + 20, PaintedThumb().first);
    DragTo(POINT{BarLeft() + 8, beyond - 10});
    EXPECT_EQ(start.first + 10, PaintedThumb().first);
    EXPECT_LT(Top(), moved);

    // Onto the end of the track: the top row holds the last content offset.
    DragTo(POINT{BarLeft() + 8, beyond - 10 + TrackBottom() - start.second - 10});
    EXPECT_EQ(TrackBottom(), PaintedThumb().second);
    EXPECT_EQ((30 * 17 - ClientRect().bottom) / 17, Top());
    Release();
    EXPECT_EQ(nullptr, GetCapture());

    // Scrolled as far as the list box allows, the thumb rests on the bottom.
    Send(LB_SETTOPINDEX, 29);
    InvalidateRect(menu->Dialog(), nullptr, FALSE);
    EXPECT_EQ(std::make_pair(TrackBottom() - height, TrackBottom()), PaintedThumb());
}
