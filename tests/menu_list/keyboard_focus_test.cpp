// The keyboard and the focus on the real list.
#include "menu_list_fixture.h"

namespace {

// A point well inside a one-line row's caption text.
POINT OnCaption(const RECT& row)
{
    return POINT{row.left + 22, row.top + 7};
}

} // namespace

TEST_F(MenuListTest, ArrowsStepTheSelectionAndStopAtBothEnds)
{
    Open(NumberedEntries(3));
    // From no current row, the first step selects the top row.
    Key(VK_DOWN);
    EXPECT_EQ(0, Selection());
    Key(VK_RIGHT);
    Key(VK_DOWN);
    EXPECT_EQ(2, Selection());
    EXPECT_EQ((std::vector<int>{0, 1, 2}), CurrentItemMessages());

    // Down on the last row does nothing and says nothing.
    ForgetMessages();
    Key(VK_DOWN);
    EXPECT_EQ(2, Selection());
    EXPECT_TRUE(CurrentItemMessages().empty());

    Key(VK_UP);
    Key(VK_LEFT);
    EXPECT_EQ(0, Selection());
    EXPECT_EQ((std::vector<int>{1, 0}), CurrentItemMessages());

    // Up on the first row does nothing and says nothing.
    ForgetMessages();
    Key(VK_UP);
    EXPECT_EQ(0, Selection());
    EXPECT_TRUE(CurrentItemMessages().empty());
}

TEST_F(MenuListTest, ArrowsStartFromTheHoveredRowAndEndTheHover)
{
    Open(NumberedEntries(4));
    PointAt(OnCaption(RowRect(2)));
    ForgetMessages();
    Key(VK_DOWN);
    EXPECT_EQ(3, Selection());
    EXPECT_EQ(3, Menu().GetCurrent());
    Key(VK_UP);
    Key(VK_UP);
    EXPECT_EQ(1, Selection());
    EXPECT_EQ((std::vector<int>{3, 2, 1}), CurrentItemMessages());

    // The hover is gone: moving the pointer back onto the same caption is a
    // change again.
    ForgetMessages();
    PointAt(OnCaption(RowRect(2)));
    EXPECT_EQ(std::vector<int>{2}, CurrentItemMessages());
}

TEST_F(MenuListTest, AnEmptyListIgnoresDownAndAnswersUpWithNoRow)
{
    Open({});
    Key(VK_DOWN);
    EXPECT_TRUE(CurrentItemMessages().empty());
    Key(VK_UP);
    EXPECT_EQ(std::vector<int>{-1}, CurrentItemMessages());
    EXPECT_EQ(-1, Selection());
    EXPECT_EQ(0, Top());
}

TEST_F(MenuListTest, EnterActivatesOnlyASelectedRow)
{
    Open(NumberedEntries(4));
    PointAt(OnCaption(RowRect(1)));
    Key(VK_RETURN);
    EXPECT_TRUE(Activations().empty()) << "a hovered row is not activated by Enter";

    Key(VK_DOWN);
    ASSERT_EQ(2, Selection());
    Key(VK_RETURN);
    EXPECT_EQ(std::vector<int>{2}, Activations());
}

TEST_F(ScrollingListTest, DownScrollsByWholeRowsToShowTheNextRow)
{
    const int clientBottom = ClientRect().bottom;
    Key(VK_DOWN);
    for (int row = 1; row < 30; ++row) {
        Key(VK_DOWN);
        ASSERT_EQ(row, Selection());
        const RECT shown = RowRect(row);
        // The selected row lies wholly inside the view, the view starts on a
        // row boundary, and it scrolled no further than needed.
        EXPECT_LE(shown.bottom, clientBottom) << row;
        EXPECT_GE(shown.top, 0) << row;
        EXPECT_EQ(0, RowRect(Top()).top) << row;
        if (Top() > 0) {
            EXPECT_GT(shown.bottom + 17, clientBottom) << row;
        }
    }
    EXPECT_EQ(29, CurrentItemMessages().back());
}

TEST_F(ScrollingListTest, UpAtTheTopOfTheViewScrollsByExactlyOneRow)
{
    SendMessageA(List(), LB_SETTOPINDEX, 12, 0);
    // From no current row the top visible row is selected, without a scroll.
    Key(VK_UP);
    EXPECT_EQ(12, Selection());
    EXPECT_EQ(12, Top());
    for (int row = 11; row >= 0; --row) {
        Key(VK_UP);
        EXPECT_EQ(row, Selection());
        EXPECT_EQ(row, Top());
    }
    ForgetMessages();
    Key(VK_UP);
    EXPECT_EQ(0, Top());
    EXPECT_TRUE(CurrentItemMessages().empty());
}

TEST_F(ScrollingListTest, DownFromNothingSelectsTheTopVisibleRow)
{
    SendMessageA(List(), LB_SETTOPINDEX, 7, 0);
    Key(VK_DOWN);
    EXPECT_EQ(7, Selection());
    EXPECT_EQ(7, Top());
}

TEST_F(MenuListTest, OnlyFocusAfterTheFirstSelectsTheTopRow)
{
    Open(NumberedEntries(4));
    const HWND elsewhere = menu->Control(1005);
    ASSERT_NE(nullptr, elsewhere);

    SetFocus(elsewhere);
    SetFocus(List());
    EXPECT_EQ(-1, Selection()) << "the first focus after attaching selects nothing";
    EXPECT_TRUE(CurrentItemMessages().empty());

    SetFocus(elsewhere);
    SetFocus(List());
    EXPECT_EQ(0, Selection());
    EXPECT_EQ(std::vector<int>{0}, CurrentItemMessages());
}

TEST_F(ScrollingListTest, FocusSelectsTheTopVisibleRowUnlessOneIsSelected)
{
    const HWND elsewhere = menu->Control(1005);
    SetFocus(elsewhere);
    SetFocus(List());  // the first one
    SetFocus(elsewhere);
    SendMessageA(List(), LB_SETTOPINDEX, 9, 0);
    ForgetMessages();
    SetFocus(List());
    EXPECT_EQ(9, Selection());
    EXPECT_EQ(std::vector<int>{9}, CurrentItemMessages());

    // A selection made while the list had no focus is kept.
    SetFocus(elsewhere);
    SendMessageA(List(), LB_SETCURSEL, 11, 0);
    ForgetMessages();
    SetFocus(List());
    EXPECT_EQ(11, Selection());
    EXPECT_TRUE(CurrentItemMessages().empty());
}

TEST_F(MenuListTest, LosingTheFocusEndsTheCurrentRowSilently)
{
    Open(NumberedEntries(4));
    SetFocus(List());
    Key(VK_DOWN);
    Key(VK_DOWN);
    ASSERT_EQ(1, Menu().GetCurrent());
    ForgetMessages();
    SetFocus(menu->Control(1005));
    EXPECT_EQ(-1, Selection());
    EXPECT_EQ(-1, Menu().GetCurrent());
    EXPECT_TRUE(CurrentItemMessages().empty()) << "the description stays";

    // The same for a row that is only hovered.
    SetFocus(List());
    SendMessageA(List(), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    PointAt(OnCaption(RowRect(3)));
    ASSERT_EQ(3, Menu().GetCurrent());
    ForgetMessages();
    SetFocus(menu->Control(1005));
    EXPECT_EQ(-1, Menu().GetCurrent());
    EXPECT_TRUE(CurrentItemMessages().empty());
}
