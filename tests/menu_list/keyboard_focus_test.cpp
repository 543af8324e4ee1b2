// The keyboard and the focus on the real list.
#include "menu_list_fixture.h"

TEST_F(MenuListTest, ArrowsStepFromTheCurrentRowAndStopAtBothEndsAlsoAfterASecondBinding)
{
    Open(3);
    // A second binding must not make the list's procedure its own
    // predecessor, which would recurse without end on the next message.
    Menu().Attach(&menu->Window(), List());
    Key(VK_DOWN); // from no current row: the top row
    Key(VK_RIGHT);
    Key(VK_DOWN);
    Key(VK_DOWN); // on the last row: nothing, and nothing sent
    EXPECT_EQ(2, Selection());
    Key(VK_UP);
    Key(VK_LEFT);
    Key(VK_UP); // on the first row: nothing, and nothing sent
    EXPECT_EQ(0, Selection());
    // From a hovered row, and the hover ends: its caption is news again.
    PointAt(OnCaption(1));
    Key(VK_DOWN);
    PointAt(OnCaption(1));
    EXPECT_EQ((std::vector<int>{0, 1, 2, 1, 0, 1, 2, 1}), CurrentItems());
}

TEST_F(ScrollingListTest, ArrowsScrollByWholeRowsOnlyAsFarAsNeeded)
{
    const int bottom = ClientRect().bottom;
    Key(VK_DOWN);
    for (int row = 1; row < 30; ++row) {
        Key(VK_DOWN);
        EXPECT_EQ(row, Selection());
        EXPECT_LE(RowRect(row).bottom, bottom) << row;
        EXPECT_EQ(0, RowRect(Top()).top) << row;
        EXPECT_TRUE(Top() == 0 || RowRect(row).bottom + 17 > bottom) << row;
    }
    // Up at the top of the view scrolls by exactly one row; from no current
    // row it takes the top visible row without scrolling.
    Send(LB_SETCURSEL, static_cast<WPARAM>(-1));
    Send(LB_SETTOPINDEX, 12);
    Key(VK_UP);
    EXPECT_EQ(12, Selection());
    for (int row = 11; row >= 0; --row) {
        Key(VK_UP);
        EXPECT_EQ(row, Selection());
        EXPECT_EQ(row, Top());
    }
}

TEST_F(ScrollingListTest, OnlyFocusAfterTheFirstSelectsTheTopVisibleRowAndLosingItIsSilent)
{
    const HWND elsewhere = menu->Control(1005);
    Send(LB_SETTOPINDEX, 9);
    SetFocus(elsewhere);
    SetFocus(List());
    EXPECT_EQ(-1, Selection()) << "the first focus after attaching";
    EXPECT_TRUE(CurrentItems().empty());
    SetFocus(elsewhere);
    SetFocus(List());
    EXPECT_EQ(9, Selection());
    SetFocus(elsewhere);
    EXPECT_EQ(-1, Menu().GetCurrent());

    // A selection made while the list had no focus is kept.
    Send(LB_SETCURSEL, 11);
    SetFocus(List());
    EXPECT_EQ(11, Selection());
    EXPECT_EQ(std::vector<int>{9}, CurrentItems()) << "the description stays";
}

TEST_F(MenuListTest, ATypedLetterSelectsNoRow)
{
    // The list box holds the captions for screen readers; its own search by
    // the first letter would select a row past the arrows' bookkeeping.
    Open(std::vector<std::string>{"Alpha", "Beta"});
    Send(WM_CHAR, 'B', 1);
    Send(WM_CHAR, 'b', 1);
    EXPECT_EQ(-1, Selection());
    EXPECT_TRUE(CurrentItems().empty());
}
