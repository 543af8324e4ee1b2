// The list's own scroll bar, pressed, held, dragged and painted for real.
#include "menu_list_fixture.h"

namespace {

constexpr COLORREF kArrowFace = RGB(247, 247, 247);
constexpr COLORREF kPressedUpFace = RGB(226, 226, 226);
constexpr COLORREF kPressedDownFace = RGB(225, 225, 225);
constexpr COLORREF kTrackFrame = RGB(185, 185, 185);

int Height(const RECT& rect)
{
    return rect.bottom - rect.top;
}

} // namespace

TEST_F(ScrollingListTest, AnArrowStepsAtOnceThenRepeatsFromTheSixthTick)
{
    SendMessageA(List(), LB_SETTOPINDEX, 12, 0);
    PressBar(UpArrowPoint());
    EXPECT_EQ(11, Top());
    EXPECT_EQ(List(), GetCapture());

    Tick(5);
    EXPECT_EQ(11, Top()) << "five ticks of delay";
    Tick();
    EXPECT_EQ(10, Top());
    Tick();
    EXPECT_EQ(9, Top());

    // Off the pressed part the ticks go on without stepping.
    MovePointer(POINT{BarRect().left + 8, TrackRect().bottom - 3});
    Tick(3);
    EXPECT_EQ(9, Top());
    MovePointer(UpArrowPoint());
    Tick();
    EXPECT_EQ(8, Top());

    ReleaseButton();
    EXPECT_NE(List(), GetCapture());
    Tick(3);
    EXPECT_EQ(8, Top()) << "ticks still queued after the release do not step";
}

TEST_F(ScrollingListTest, TheUpArrowAtTheTopChangesNothing)
{
    PressBar(UpArrowPoint());
    Tick(10);
    EXPECT_EQ(0, Top());
    ReleaseButton();
}

TEST_F(ScrollingListTest, TheDownArrowStopsOnceTheLastRowsFillTheView)
{
    PressBar(DownArrowPoint());
    EXPECT_EQ(1, Top());
    Tick(5 + 40);
    ReleaseButton();
    const int top = Top();
    const int clientBottom = ClientRect().bottom;
    EXPECT_LE(RowRect(29).bottom, clientBottom);
    EXPECT_GT(RowRect(29).bottom + 17, clientBottom) << "not one row further than needed";
    EXPECT_EQ(0, RowRect(top).top);
}

TEST_F(ScrollingListTest, PageDownBringsTheLastRowEndingAboveTheBottomToTheTop)
{
    const int clientBottom = ClientRect().bottom;
    int expected = -1;
    for (int row = 0; row < 30; ++row)
        if (RowRect(row).bottom < clientBottom)
            expected = row;
    ASSERT_GT(expected, 0);

    const RECT thumb = PaintedThumb();
    ASSERT_GT(Height(thumb), 0);
    PressBar(POINT{BarRect().left + 8, TrackRect().bottom - 3});
    ReleaseButton();
    EXPECT_EQ(expected, Top());
    EXPECT_GT(PaintedThumb().top, thumb.top);
}

TEST_F(ScrollingListTest, PageUpRepeatsUntilTheThumbReachesThePointer)
{
    SendMessageA(List(), LB_SETTOPINDEX, 29, 0);
    const int bottomTop = Top();
    const RECT track = TrackRect();
    const POINT pointer{BarRect().left + 8, (track.top + track.bottom) / 2};
    PressBar(pointer);
    EXPECT_LT(Top(), bottomTop);
    Tick(5 + 20);
    const int stopped = Top();
    Tick(10);
    EXPECT_EQ(stopped, Top()) << "the thumb under the pointer ends the paging";
    ReleaseButton();
    EXPECT_GT(stopped, 0);
    const RECT thumb = PaintedThumb();
    EXPECT_LE(thumb.top, pointer.y);
    EXPECT_GT(thumb.bottom, pointer.y);
}

TEST_F(ScrollingListTest, ADoubleClickOnAnArrowStepsOnceMoreWithoutRepeat)
{
    SendMessageA(List(), LB_SETTOPINDEX, 10, 0);
    PressBar(DownArrowPoint());
    ReleaseButton();
    DoubleClickBar(DownArrowPoint());
    EXPECT_EQ(12, Top());
    EXPECT_NE(List(), GetCapture());
    Tick(10);
    EXPECT_EQ(12, Top());
}

TEST_F(ScrollingListTest, LosingTheCaptureEndsThePress)
{
    SendMessageA(List(), LB_SETTOPINDEX, 10, 0);
    PressBar(UpArrowPoint());
    ASSERT_EQ(9, Top());
    // Another window of the program takes the capture: it keeps it.
    SetCapture(Dialog());
    EXPECT_EQ(Dialog(), GetCapture());
    Tick(10);
    EXPECT_EQ(9, Top());
    ReleaseCapture();
}

TEST_F(ScrollingListTest, DraggingTheThumbScrollsAndRefusesToLeaveTheTrack)
{
    const RECT track = TrackRect();
    const RECT start = PaintedThumb();
    ASSERT_EQ(track.top, start.top);
    const POINT grip{start.left + 8, start.top + Height(start) / 2};
    PressBar(grip);
    ASSERT_EQ(List(), GetCapture());

    MoveWhileCaptured(POINT{grip.x, grip.y + 20});
    const int afterFirst = Top();
    EXPECT_GT(afterFirst, 0);
    RECT dragged = PaintedThumb();
    EXPECT_EQ(start.top + 20, dragged.top) << "the thumb follows the pointer";

    // Past the end of the track the move is refused whole.
    const int beyond = grip.y + Height(track) + 30;
    MoveWhileCaptured(POINT{grip.x, beyond});
    EXPECT_EQ(afterFirst, Top());
    EXPECT_EQ(start.top + 20, PaintedThumb().top);

    // The pointer's place was taken all the same: moving back moves at once.
    MoveWhileCaptured(POINT{grip.x, beyond - 10});
    EXPECT_EQ(start.top + 10, PaintedThumb().top);
    EXPECT_LT(Top(), afterFirst);

    // Exactly onto the end of the track: the top row is the one that holds
    // the last content offset, all rows above the view's height.
    MoveWhileCaptured(POINT{grip.x, beyond - 10 + (track.bottom - (start.bottom + 10))});
    dragged = PaintedThumb();
    EXPECT_EQ(track.bottom, dragged.bottom);
    EXPECT_EQ((30 * 17 - ClientRect().bottom) / 17, Top());

    // Released, the thumb is drawn where the top row puts it.
    ReleaseButton();
    EXPECT_NE(List(), GetCapture());
    EXPECT_NEAR(track.bottom, PaintedThumb().bottom, 1);
}

TEST_F(ScrollingListTest, TheThumbShowsTheVisibleShareAndRestsOnTheBottom)
{
    const RECT track = TrackRect();
    const RECT atTop = PaintedThumb();
    EXPECT_EQ(track.top, atTop.top);
    const double share = static_cast<double>(ClientRect().bottom) / (30 * 17);
    EXPECT_NEAR(share * Height(track), Height(atTop), 1.0);

    SendMessageA(List(), LB_SETTOPINDEX, 29, 0);
    InvalidateRect(Dialog(), nullptr, FALSE);
    const RECT atBottom = PaintedThumb();
    EXPECT_EQ(track.bottom, atBottom.bottom);
    EXPECT_EQ(Height(atTop), Height(atBottom));
}

TEST_F(ScrollingListTest, TheBarIsPaintedBesideAGapThatShowsThePicture)
{
    const Pixels pixels = CaptureList();
    const RECT bar = BarRect();
    const RECT track = TrackRect();
    EXPECT_EQ(kArrowFace, pixels.At(bar.left + 8, bar.top + 2));
    EXPECT_EQ(kTrackFrame, pixels.At(bar.left + 8, bar.top));
    EXPECT_EQ(kTrackFrame, pixels.At(bar.left + 8, bar.bottom - 1));
    // The frame inside the track: left and right lines, and the row under the
    // track's top.
    EXPECT_EQ(kTrackFrame, pixels.At(track.left, track.bottom - 5));
    EXPECT_EQ(kTrackFrame, pixels.At(track.right - 1, track.bottom - 5));
    EXPECT_EQ(kTrackFrame, pixels.At(track.left + 8, track.bottom - 2));
    // The track's inside below the thumb, its last row and the gap column
    // show the picture.
    EXPECT_EQ(kPictureColour, pixels.At(track.left + 8, track.bottom - 5));
    EXPECT_EQ(kPictureColour, pixels.At(track.left + 8, track.bottom - 1));
    const RECT gap{bar.left - 1, 0, bar.left, bar.bottom};
    EXPECT_EQ(Height(gap), pixels.Count(gap, kPictureColour));
}

TEST_F(ScrollingListTest, APressedArrowShowsPressedOnlyWhileThePointerIsOnIt)
{
    const RECT bar = BarRect();
    PressBar(UpArrowPoint());
    EXPECT_EQ(kPressedUpFace, CaptureList().At(bar.left + 8, bar.top + 2));

    MovePointer(POINT{bar.left + 8, TrackRect().bottom - 3});
    InvalidateRect(Dialog(), nullptr, FALSE);
    EXPECT_EQ(kArrowFace, CaptureList().At(bar.left + 8, bar.top + 2));

    // While the track is pressed, the arrow under the pointer shows pressed.
    ReleaseButton();
    PressBar(POINT{bar.left + 8, TrackRect().bottom - 3});
    MovePointer(DownArrowPoint());
    InvalidateRect(Dialog(), nullptr, FALSE);
    EXPECT_EQ(kPressedDownFace, CaptureList().At(bar.left + 8, bar.bottom - 3));
    ReleaseButton();
    EXPECT_EQ(kArrowFace, CaptureList().At(bar.left + 8, bar.bottom - 3));
}

TEST_F(MenuListTest, PageDownStaysWhenNoRowEndsAboveTheBottom)
{
    std::string tall;
    for (int word = 0; word < 150; ++word)
        tall += "wwwww ";
    std::vector<Entry> entries = NumberedEntries(6);
    entries[1].name = tall;
    Open(entries);
    ASSERT_GT(RowHeight(1), ClientRect().bottom) << "row 1 is taller than the view";
    SendMessageA(List(), LB_SETTOPINDEX, 1, 0);
    ASSERT_EQ(1, Top());

    RECT bar = WindowRectAtOrigin();
    bar.left = bar.right - 17;
    const POINT track{bar.left + 8, bar.bottom - 19 - 3};
    const POINT screen = OnScreen(track);
    MovePointer(track);
    SendMessageA(List(), WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(screen.x, screen.y));
    EXPECT_EQ(1, Top());
    SendMessageA(List(), WM_LBUTTONUP, 0, MAKELPARAM(track.x, track.y));
}
