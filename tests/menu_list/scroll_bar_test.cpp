// The list's own scroll bar, pressed, held and dragged for real.
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

    MovePointer(LowTrack());  // off the pressed arrow
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
    // The last row that ended strictly above the bottom is the new top.
    EXPECT_LT(17 * (Top() + 1), ClientRect().bottom);
    EXPECT_GE(17 * (Top() + 2), ClientRect().bottom);

    // From the bottom, up until the thumb reaches the pointer.
    Send(LB_SETTOPINDEX, 29);
    const POINT middle{Bar().left + 8, (Track().top + Track().bottom) / 2};
    Press(middle);
    Tick(5 + 20);
    const int stopped = Top();
    Tick(10);
    Release();
    EXPECT_EQ(stopped, Top());
    EXPECT_GT(stopped, 0);
    const RECT thumb = PaintedThumb();
    EXPECT_LE(thumb.top, middle.y);
    EXPECT_GT(thumb.bottom, middle.y);
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
    const RECT track = Track();
    const RECT start = PaintedThumb();
    EXPECT_EQ(track.top, start.top);
    EXPECT_NEAR(Height(track) * ClientRect().bottom / (30.0 * 17), Height(start), 1.0);

    const POINT grip{start.left + 8, start.top + Height(start) / 2};
    Press(grip);
    DragTo(POINT{grip.x, grip.y + 20});
    const int moved = Top();
    EXPECT_GT(moved, 0);
    EXPECT_EQ(start.top + 20, PaintedThumb().top);

    // Past the end of the track the move is refused whole, but the pointer's
    // place is taken: moving back moves the thumb at once.
    const int beyond = grip.y + Height(track) + 30;
    DragTo(POINT{grip.x, beyond});
    EXPECT_EQ(moved, Top());
    EXPECT_EQ(start.top + 20, PaintedThumb().top);
    DragTo(POINT{grip.x, beyond - 10});
    EXPECT_EQ(start.top + 10, PaintedThumb().top);
    EXPECT_LT(Top(), moved);

    // Onto the end of the track: the top row holds the last content offset.
    DragTo(POINT{grip.x, beyond - 10 + track.bottom - start.bottom - 10});
    EXPECT_EQ(track.bottom, PaintedThumb().bottom);
    EXPECT_EQ((30 * 17 - ClientRect().bottom) / 17, Top());
    Release();
    EXPECT_EQ(nullptr, GetCapture());

    // Scrolled as far as the list box allows, the thumb rests on the bottom.
    Send(LB_SETTOPINDEX, 29);
    InvalidateRect(menu->Dialog(), nullptr, FALSE);
    EXPECT_EQ(track.bottom, PaintedThumb().bottom);
    EXPECT_EQ(Height(start), Height(PaintedThumb()));
}
