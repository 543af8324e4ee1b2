// The keyboard and the focus on the real list.
#include "menu_list_fixture.h"

TEST_F(MenuListTest, ArrowsStepTheSelectionAndStopAtBothEnds)
{
    Open(NumberedEntries(3));
    Key(VK_DOWN);  // from no current row: the top row
    Key(VK_RIGHT);
    Key(VK_DOWN);
    Key(VK_DOWN);  // on the last row: nothing, and nothing sent
    EXPECT_EQ(2, Selection());
    Key(VK_UP);
    Key(VK_LEFT);
    Key(VK_UP);    // on the first row: nothing, and nothing sent
    EXPECT_EQ(0, Selection());
    EXPECT_EQ((std::vector<int>{0, 1, 2, 1, 0}), CurrentItems());
}

TEST_F(MenuListTest, ArrowsStartFromTheHoveredRowAndEndTheHover)
{
    Open(NumberedEntries(4));
    PointAt(POINT{22, RowRect(2).top + 7});
    Key(VK_DOWN);
    EXPECT_EQ(3, Selection());
    // The hover is gone: the same caption under the pointer is news again.
    PointAt(POINT{22, RowRect(2).top + 7});
    EXPECT_EQ((std::vector<int>{2, 3, 2}), CurrentItems());
}

TEST_F(MenuListTest, AnEmptyListIgnoresDownAndAnswersUpWithNoRow)
{
    Open({});
    Key(VK_DOWN);
    EXPECT_TRUE(CurrentItems().empty());
    Key(VK_UP);
    EXPECT_EQ(std::vector<int>{-1}, CurrentItems());
    EXPECT_EQ(-1, Selection());
}

TEST_F(MenuListTest, EnterActivatesOnlyASelectedRow)
{
    Open(NumberedEntries(4));
    PointAt(POINT{22, RowRect(1).top + 7});
    Key(VK_RETURN);
    EXPECT_TRUE(Activations().empty()) << "a row that is only hovered";
    Key(VK_DOWN);
    Key(VK_RETURN);
    EXPECT_EQ(std::vector<int>{2}, Activations());
}

TEST_F(ScrollingListTest, DownScrollsByWholeRowsOnlyAsFarAsNeeded)
{
    const int bottom = ClientRect().bottom;
    Key(VK_DOWN);
    for (int row = 1; row < 30; ++row) {
        Key(VK_DOWN);
        const RECT shown = RowRect(row);
        EXPECT_EQ(row, Selection());
        EXPECT_LE(shown.bottom, bottom) << row;
        EXPECT_EQ(0, RowRect(Top()).top) << row;
        EXPECT_TRUE(Top() == 0 || shown.bottom + 17 > bottom) << row;
    }
}

TEST_F(ScrollingListTest, UpAtTheTopOfTheViewScrollsByExactlyOneRow)
{
    Send(LB_SETTOPINDEX, 12);
    Key(VK_UP);  // from no current row: the top visible row, no scroll
    EXPECT_EQ(12, Selection());
    for (int row = 11; row >= 0; --row) {
        Key(VK_UP);
        EXPECT_EQ(row, Selection());
        EXPECT_EQ(row, Top());
    }
}

TEST_F(ScrollingListTest, OnlyFocusAfterTheFirstSelectsTheTopVisibleRow)
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
    EXPECT_EQ(std::vector<int>{9}, CurrentItems());

    // A selection made while the list had no focus is kept.
    SetFocus(elsewhere);
    Send(LB_SETCURSEL, 11);
    SetFocus(List());
    EXPECT_EQ(11, Selection());
    EXPECT_EQ(std::vector<int>{9}, CurrentItems());
}

TEST_F(MenuListTest, LosingTheFocusEndsTheCurrentRowSilently)
{
    Open(NumberedEntries(4));
    SetFocus(List());
    Key(VK_DOWN);
    PointAt(POINT{22, RowRect(3).top + 7});
    Key(VK_UP);
    ASSERT_EQ(2, Menu().GetCurrent());
    ForgetMessages();
    SetFocus(menu->Control(1005));
    EXPECT_EQ(-1, Menu().GetCurrent());
    EXPECT_TRUE(CurrentItems().empty()) << "the description stays";

    // The same for a row that is only hovered.
    SetFocus(List());
    Send(LB_SETCURSEL, static_cast<WPARAM>(-1));
    PointAt(POINT{22, RowRect(3).top + 7});
    ASSERT_EQ(3, Menu().GetCurrent());
    ForgetMessages();
    SetFocus(menu->Control(1005));
    EXPECT_EQ(-1, Menu().GetCurrent());
    EXPECT_TRUE(CurrentItems().empty());
}

TEST_F(MenuListTest, BindingTheListAgainKeepsItWorking)
{
    // A second binding must not make the list's procedure its own
    // predecessor, which would recurse without end on the next message.
    Open(NumberedEntries(3));
    Menu().Attach(&menu->Window(), List());
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(1, Selection());
    EXPECT_EQ(17, RowHeight(1));
}
