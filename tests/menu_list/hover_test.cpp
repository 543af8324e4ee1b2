// Hover tracking and activation with the mouse, on the real list.
#include "menu_list_fixture.h"

#include "resources/resource_ids.h"

namespace {

HCURSOR Hand()
{
    return LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDCUR_POINTING_HAND));
}

HCURSOR Arrow()
{
    return LoadCursorA(nullptr, IDC_ARROW);
}

// A point well inside a one-line row's caption.
POINT OnCaption(const RECT& row)
{
    return POINT{row.left + 22, row.top + 7};
}

} // namespace

TEST_F(MenuListTest, TheCaptionUnderThePointerIsCurrentWithTheHand)
{
    Open(NumberedEntries(4));
    const RECT row = RowRect(2);
    PointAt(OnCaption(row));
    EXPECT_EQ(std::vector<int>{2}, CurrentItems());
    EXPECT_EQ(2, Menu().GetCurrent());
    EXPECT_EQ(Hand(), GetCursor());

    // Within the same caption: nothing is sent and the cursor is left alone.
    SetCursor(Arrow());
    PointAt(POINT{row.left + 19, row.top + 14});
    EXPECT_EQ(std::vector<int>{2}, CurrentItems());
    EXPECT_EQ(Arrow(), GetCursor());

    // Beside the caption is no row: the bullet column, right of the text and
    // the two pixels below it.
    const POINT besides[] = {{row.left + 8, row.top + 7}, {row.left + 18, row.top + 7},
                             {row.right - 3, row.top + 7}, {row.left + 25, row.top + 15},
                             {row.left + 25, row.top + 16}};
    for (const POINT& point : besides) {
        PointAt(OnCaption(row));
        ForgetMessages();
        PointAt(point);
        EXPECT_EQ(std::vector<int>{-1}, CurrentItems()) << point.x << "," << point.y;
        EXPECT_EQ(-1, Menu().GetCurrent());
        EXPECT_EQ(Arrow(), GetCursor());
    }
}

TEST_F(MenuListTest, LeavingTheListFromACaptionKeepsItCurrent)
{
    Open(NumberedEntries(4));
    PointAt(OnCaption(RowRect(3)));
    MovePointer(POINT{-40, -40});
    Pump();
    EXPECT_EQ(3, Menu().GetCurrent());

    // Back onto the same caption: no change, and the hand is not set again.
    ForgetMessages();
    SetCursor(Arrow());
    PointAt(OnCaption(RowRect(3)));
    EXPECT_TRUE(CurrentItems().empty());
    EXPECT_EQ(Arrow(), GetCursor());
}

TEST_F(MenuListTest, HoveringEndsTheKeyboardSelection)
{
    Open(NumberedEntries(4));
    Key(VK_DOWN);
    Key(VK_DOWN);
    ASSERT_EQ(1, Selection());
    PointAt(OnCaption(RowRect(3)));
    EXPECT_EQ(-1, Selection());
    EXPECT_EQ(3, Menu().GetCurrent());
}

TEST_F(MenuListTest, OnlyAReleaseOverACaptionActivates)
{
    Open(NumberedEntries(4));
    const POINT caption = OnCaption(RowRect(2));
    Click(WM_LBUTTONDOWN, caption);
    EXPECT_EQ(2, Selection()) << "the list box's own press selects";
    EXPECT_EQ(List(), GetCapture());
    Click(WM_LBUTTONUP, caption);
    EXPECT_EQ(std::vector<int>{2}, Activations());
    EXPECT_EQ(nullptr, GetCapture()) << "or no pointer move would reach the hover tracking";

    // On the bullet: selected, not activated.
    const POINT bullet{7, RowRect(1).top + 7};
    Click(WM_LBUTTONDOWN, bullet);
    Click(WM_LBUTTONUP, bullet);
    EXPECT_EQ(1, Selection());
    // Pressed on a caption, released right of it.
    Click(WM_LBUTTONDOWN, OnCaption(RowRect(3)));
    Click(WM_LBUTTONUP, POINT{RowRect(3).right - 2, RowRect(3).top + 7});
    EXPECT_EQ(std::vector<int>{2}, Activations());

    PointAt(OnCaption(RowRect(0)));
    EXPECT_EQ(0, Menu().GetCurrent());
}

TEST_F(MenuListTest, AHoveredRowThatARefillRemovedIsNoRow)
{
    Open(NumberedEntries(5));
    SetFocus(List());
    PointAt(OnCaption(RowRect(4)));
    // A nested menu with fewer rows, before the pointer has moved.
    Menu().Clear();
    Menu().AddItem(L"First", 0);
    Menu().AddItem(L"Second", 0);
    Menu().Relayout();
    EXPECT_EQ(-1, Menu().GetCurrent());

    // Drawing rows that are not there draws nothing.
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, 40, 17);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    PatBlt(memory, 0, 0, 40, 17, BLACKNESS);
    for (UINT item : {4u, 2u, static_cast<UINT>(-1)}) {
        DRAWITEMSTRUCT draw{ODT_LISTBOX, 1000, item, ODA_DRAWENTIRE, 0, List(), memory,
                            RECT{0, 0, 40, 17}, 0};
        Menu().DrawItem(draw);
    }
    for (int x = 0; x < 40; ++x)
        EXPECT_EQ(RGB(0, 0, 0), GetPixel(memory, x, x % 17)) << x;
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    // Neither the loss of the focus nor the keyboard takes it for a row.
    ForgetMessages();
    SetFocus(menu->Control(1005));
    EXPECT_TRUE(CurrentItems().empty());
    Key(VK_DOWN);
    EXPECT_EQ(0, Selection());
    EXPECT_EQ(std::vector<int>{0}, CurrentItems());
}
