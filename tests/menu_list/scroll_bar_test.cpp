// The list's own scroll bar, pressed, held, dragged and painted for real.
#include "menu_list_fixture.h"

namespace {

constexpr COLORREF kArrowFace = RGB(247, 247, 247);
constexpr COLORREF kPressedUpFace = RGB(226, 226, 226);
constexpr COLORREF kPressedDownFace = RGB(225, 225, 225);
constexpr COLORREF kFrameGrey = RGB(185, 185, 185);

int Height(const RECT& rect)
{
    return rect.bottom - rect.top;
}

} // namespace

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

    MovePointer(POINT{UpArrow().x, Track().bottom - 3});  // off the pressed part
    Tick(3);
    EXPECT_EQ(9, Top());
    MovePointer(UpArrow());
    Tick();
    EXPECT_EQ(8, Top());

    Release();
    EXPECT_EQ(nullptr, GetCapture());
    Tick(3);
    EXPECT_EQ(8, Top()) << "ticks still queued after the release do not step";
}

TEST_F(ScrollingListTest, ArrowsStopAtBothEnds)
{
    Press(UpArrow());
    Tick(10);
    EXPECT_EQ(0, Top());
    Release();

    Press(DownArrow());
    Tick(5 + 40);
    Release();
    const int bottom = ClientRect().bottom;
    EXPECT_LE(RowRect(29).bottom, bottom);
    EXPECT_GT(RowRect(29).bottom + 17, bottom) << "the last rows fill the view";
}

TEST_F(ScrollingListTest, PagingDownAndUpByTheTrack)
{
    int expected = -1;
    for (int row = 0; row < 30; ++row)
        if (RowRect(row).bottom < ClientRect().bottom)
            expected = row;
    Press(POINT{Bar().left + 8, Track().bottom - 3});
    Release();
    EXPECT_EQ(expected, Top()) << "the last row ending above the bottom is the new top";

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

TEST_F(MenuListTest, PageDownStaysWhenNoRowEndsAboveTheBottom)
{
    std::vector<Entry> entries = NumberedEntries(6);
    for (int word = 0; word < 150; ++word)
        entries[1].name += "wwwww ";
    Open(entries);
    ASSERT_GT(RowHeight(1), ClientRect().bottom);
    Send(LB_SETTOPINDEX, 1);
    const RECT whole = WindowRect();
    const POINT track{whole.right - 9, whole.bottom - 22};
    MovePointer(track);
    Send(WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(OnScreen(track).x, OnScreen(track).y));
    Click(WM_LBUTTONUP, track);
    EXPECT_EQ(1, Top());
}

TEST_F(ScrollingListTest, ADoubleClickOnAnArrowStepsOnceMoreWithoutRepeat)
{
    Send(LB_SETTOPINDEX, 10);
    Press(DownArrow());
    Release();
    Press(DownArrow(), WM_NCLBUTTONDBLCLK);
    EXPECT_EQ(12, Top());
    EXPECT_EQ(nullptr, GetCapture());
    Tick(10);
    EXPECT_EQ(12, Top());
}

TEST_F(ScrollingListTest, LosingTheCaptureEndsThePressButLeavesTheNewCapture)
{
    Send(LB_SETTOPINDEX, 10);
    Press(UpArrow());
    SetCapture(menu->Dialog());
    Tick(10);
    EXPECT_EQ(9, Top());
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

TEST_F(ScrollingListTest, TheBarIsPaintedBesideAGapThatShowsThePicture)
{
    const RECT bar = Bar();
    const RECT track = Track();
    const Pixels pixels = CaptureList();
    EXPECT_EQ(kArrowFace, pixels.At(bar.left + 8, 2));
    EXPECT_EQ(kFrameGrey, pixels.At(bar.left + 8, 0));
    EXPECT_EQ(kFrameGrey, pixels.At(bar.left + 8, bar.bottom - 1));
    EXPECT_EQ(kFrameGrey, pixels.At(track.left, track.bottom - 5));
    EXPECT_EQ(kFrameGrey, pixels.At(track.right - 1, track.bottom - 5));
    EXPECT_EQ(kFrameGrey, pixels.At(track.left + 8, track.bottom - 2));
    // The inside of the frame, the track's last row and the gap column.
    EXPECT_EQ(kPictureColour, pixels.At(track.left + 8, track.bottom - 5));
    EXPECT_EQ(kPictureColour, pixels.At(track.left + 8, track.bottom - 1));
    for (int y = 0; y < bar.bottom; y += 7)
        EXPECT_EQ(kPictureColour, pixels.At(bar.left - 1, y)) << y;
}

TEST_F(ScrollingListTest, AnArrowShowsPressedWhileAPressLastsAndThePointerIsOnIt)
{
    const RECT bar = Bar();
    Press(UpArrow());
    EXPECT_EQ(kPressedUpFace, CaptureList().At(bar.left + 8, 2));
    MovePointer(POINT{bar.left + 8, Track().bottom - 3});
    InvalidateRect(menu->Dialog(), nullptr, FALSE);
    EXPECT_EQ(kArrowFace, CaptureList().At(bar.left + 8, 2));
    Release();

    // Pressing the track, then pointing at the down arrow.
    Press(POINT{bar.left + 8, Track().bottom - 3});
    MovePointer(DownArrow());
    InvalidateRect(menu->Dialog(), nullptr, FALSE);
    EXPECT_EQ(kPressedDownFace, CaptureList().At(bar.left + 8, bar.bottom - 3));
    Release();
    EXPECT_EQ(kArrowFace, CaptureList().At(bar.left + 8, bar.bottom - 3));
}
