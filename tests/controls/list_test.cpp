// The menu list in the real dialog: hover, activation, the keyboard and the
// focus, and what the rows look like.
#include "fixture.h"

TEST_F(ControlsTest, OnlyTheCaptionUnderThePointerIsCurrentUnderlinedAndWithTheHand)
{
    Key(VK_DOWN);
    PointAt(OnCaption(2));
    EXPECT_EQ((std::vector<int>{0, 2}), CurrentItems());
    EXPECT_EQ(kHand, GetCursor());
    // No bar while the rows fit: the captions take the list's whole width.
    EXPECT_EQ(Width(), Rect(true).right);
    // Each row's bullet of its kind, a disc on the picture.
    const Pixels shown = Shown(List());
    const COLORREF discs[] = {RGB(1, 65, 128), RGB(254, 172, 2), RGB(1, 65, 128)};
    for (int row = 0; row < 3; ++row) {
        const RECT rect = RowRect(row);
        EXPECT_EQ(row == 2, HasUnderline(shown, RECT{19, rect.top, rect.right, rect.top + 15}));
        EXPECT_EQ(discs[row], shown.At(3, rect.top + 6)) << row;
        EXPECT_EQ(kPictureColour, shown.At(1, rect.top + 6)) << row;
    }
    const RECT row = RowRect(2);
    // Beside the caption is no row: the bullet column, right of the text and
    // the two pixels below it.
    for (const POINT& point : {POINT{row.left + 18, row.top + 7}, POINT{row.right - 3, row.top + 7},
                               POINT{row.left + 25, row.top + 15}}) {
        PointAt(OnCaption(2));
        log->Clear();
        PointAt(point);
        EXPECT_EQ(std::vector<int>{-1}, CurrentItems()) << point.x << "," << point.y;
        EXPECT_EQ(kArrow, GetCursor());
    }
}

TEST_F(ControlsTest, OnlyAReleaseOverACaptionOrEnterOnASelectedRowActivates)
{
    // Released over any caption, as in a menu, once the press was on one;
    // not the second press of a double click, nor from or onto the bullet.
    const POINT bullet = {7, RowRect(1).top + 7};
    // The second press is that of a double click.
    const POINT from[] = {OnCaption(2), OnCaption(2), bullet, OnCaption(1), OnCaption(0)};
    const POINT to[] = {OnCaption(2), OnCaption(2), OnCaption(1), bullet, OnCaption(1)};
    for (int i = 0; i < 5; ++i) {
        Click(i == 1 ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, from[i]);
        Click(WM_LBUTTONUP, to[i]);
        EXPECT_EQ(nullptr, GetCapture()) << "or no pointer move would reach the hover tracking";
    }
    EXPECT_EQ((std::vector<int>{2, 1}), log->Of(UM_ACTIVATEITEM));
    // Enter activates a selected row, not one that is only hovered, and a
    // held Enter only once: its repeats carry bit 30.
    PointAt(OnCaption(1));
    for (WPARAM key : {VK_RETURN, VK_DOWN, VK_RETURN})
        Key(key);
    Send(WM_KEYDOWN, VK_RETURN, 1 | (1 << 30));
    EXPECT_EQ((std::vector<int>{2, 1, 2}), log->Of(UM_ACTIVATEITEM));
}

TEST_F(ControlsTest, ArrowsStepFromTheCurrentRowAndStopAtBothEndsAlsoAfterASecondBinding)
{
    // A second binding must not make the list's procedure its own
    // predecessor, which would recurse without end on the next message.
    Menu().Attach(&menu->Window(), List());
    for (WPARAM key : {VK_DOWN, VK_RIGHT, VK_DOWN, VK_DOWN, VK_UP, VK_LEFT, VK_UP})
        Key(key); // nothing happens, and nothing is sent, past either end
    // From a hovered row, and the hover ends: its caption is news again.
    PointAt(OnCaption(1));
    Key(VK_DOWN);
    PointAt(OnCaption(1));
    // The list box's own search by a typed first letter would select a row
    // past the arrows' bookkeeping.
    Send(WM_CHAR, 'E', 1);
    EXPECT_EQ((std::vector<int>{0, 1, 2, 1, 0, 1, 2, 1}), CurrentItems());
    EXPECT_EQ(-1, Selection());
    // A hovered row that a refill removed is no row, for the keyboard too. A
    // caption wider than the list wraps to whole lines of 15 and 2 below.
    PointAt(OnCaption(2));
    Menu().Clear();
    Menu().AddItem(L"Caption", 0);
    Menu().AddItem(L"WWWWWWW WWWWWWW WWWWWWW WWWWWWW WWWWWWW WWWWWWW WWWWWWW WWWWWWW WWWWWWW", 0);
    Menu().Relayout();
    EXPECT_EQ(-1, Menu().GetCurrent());
    const int height = Send(LB_GETITEMHEIGHT, 1);
    EXPECT_TRUE(height > 17 && height % 15 == 2) << height;
    Key(VK_DOWN);
    EXPECT_EQ(0, Selection());
}
