// Hover tracking and activation with the mouse, on the real list.
#include "menu_list_fixture.h"

#include "resources/resource_ids.h"

const HCURSOR kHand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDCUR_POINTING_HAND));
const HCURSOR kArrow = LoadCursorA(nullptr, IDC_ARROW);

TEST_F(MenuListTest, OnlyTheCaptionUnderThePointerIsCurrentWithTheHand)
{
    Open(4);
    Key(VK_DOWN);
    PointAt(OnCaption(2));
    EXPECT_EQ((std::vector<int>{0, 2}), CurrentItems());
    EXPECT_EQ(-1, Selection()) << "hovering ends the keyboard selection";
    EXPECT_EQ(2, Menu().GetCurrent());
    EXPECT_EQ(kHand, GetCursor());

    // Within the same caption: nothing is sent and the cursor is left alone.
    const RECT row = RowRect(2);
    SetCursor(kArrow);
    PointAt(POINT{row.left + 19, row.top + 14});
    EXPECT_EQ((std::vector<int>{0, 2}), CurrentItems());
    EXPECT_EQ(kArrow, GetCursor());

    // Beside the caption is no row: the bullet column, right of the text and
    // the two pixels below it.
    const POINT besides[] = {{row.left + 8, row.top + 7},
                             {row.left + 18, row.top + 7},
                             {row.right - 3, row.top + 7},
                             {row.left + 25, row.top + 15},
                             {row.left + 25, row.top + 16}};
    for (const POINT& point : besides) {
        PointAt(OnCaption(2));
        log->Clear();
        PointAt(point);
        EXPECT_EQ(std::vector<int>{-1}, CurrentItems()) << point.x << "," << point.y;
        EXPECT_EQ(-1, Menu().GetCurrent());
        EXPECT_EQ(kArrow, GetCursor());
    }
}

TEST_F(MenuListTest, OnlyAReleaseOverACaptionOrEnterOnASelectedRowActivates)
{
    Open(4);
    Click(WM_LBUTTONDOWN, OnCaption(2));
    EXPECT_EQ(List(), GetCapture()) << "the list box's own press";
    Click(WM_LBUTTONUP, OnCaption(2));
    EXPECT_EQ(std::vector<int>{2}, Activations());
    EXPECT_EQ(nullptr, GetCapture()) << "or no pointer move would reach the hover tracking";

    // The second press of a double click, on the same caption, starts nothing.
    Click(WM_LBUTTONDBLCLK, OnCaption(2));
    Click(WM_LBUTTONUP, OnCaption(2));
    EXPECT_EQ(std::vector<int>{2}, Activations());

    // Pressed on the bullet and released on a caption, pressed on a caption
    // and released on the bullet or right of it: neither activates.
    const POINT bullet = {7, RowRect(1).top + 7};
    const POINT pairs[][2] = {{bullet, OnCaption(1)},
                              {OnCaption(1), bullet},
                              {OnCaption(1), POINT{RowRect(3).right - 2, RowRect(3).top + 7}}};
    for (const auto& pair : pairs) {
        Click(WM_LBUTTONDOWN, pair[0]);
        Click(WM_LBUTTONUP, pair[1]);
    }
    EXPECT_EQ(std::vector<int>{2}, Activations());
    // Pressed on one caption, released on another: that one, as in a menu.
    Click(WM_LBUTTONDOWN, OnCaption(1));
    Click(WM_LBUTTONUP, OnCaption(3));
    EXPECT_EQ((std::vector<int>{2, 3}), Activations());

    // Enter activates a selected row, not one that is only hovered, and a
    // held Enter only once: its repeats carry bit 30.
    PointAt(OnCaption(2));
    Key(VK_RETURN);
    Key(VK_DOWN);
    Key(VK_RETURN);
    Send(WM_KEYDOWN, VK_RETURN, 1 | (1 << 30));
    EXPECT_EQ((std::vector<int>{2, 3, 3}), Activations());
}

TEST_F(MenuListTest, AHoveredRowThatARefillRemovedIsNoRow)
{
    Open(5);
    SetFocus(List());
    PointAt(OnCaption(4));
    Refill({0, 0});
    EXPECT_EQ(-1, Menu().GetCurrent());

    // Drawing rows that are not there draws nothing.
    const Pixels drawn = CaptureDrawing(40, 17, [this](HDC dc) {
        for (UINT item : {4u, 2u, static_cast<UINT>(-1)})
            Menu().DrawItem(DRAWITEMSTRUCT{ODT_LISTBOX, 1000, item, ODA_DRAWENTIRE, 0, List(), dc,
                                           RECT{0, 0, 40, 17}, 0});
    });
    EXPECT_EQ(0, InkBounds(drawn).right);

    // Neither the loss of the focus nor the keyboard takes it for a row.
    log->Clear();
    SetFocus(menu->Control(1005));
    EXPECT_TRUE(CurrentItems().empty());
    Key(VK_DOWN);
    EXPECT_EQ(0, Selection());
    EXPECT_EQ(std::vector<int>{0}, CurrentItems());
}
