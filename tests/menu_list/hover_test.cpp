// Hover tracking and activation with the mouse, on the real list.
#include "menu_list_fixture.h"

#include "resources/resource_ids.h"

namespace {

HCURSOR HandCursor()
{
    return LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDCUR_POINTING_HAND));
}

HCURSOR ArrowCursor()
{
    return LoadCursorA(nullptr, IDC_ARROW);
}

// A point well inside a one-line row's caption text.
POINT OnCaption(const RECT& row)
{
    return POINT{row.left + 22, row.top + 7};
}

} // namespace

TEST_F(MenuListTest, PointingAtACaptionMakesItCurrentWithTheHand)
{
    Open(NumberedEntries(4));
    SetCursor(ArrowCursor());
    PointAt(OnCaption(RowRect(2)));
    EXPECT_EQ(std::vector<int>{2}, CurrentItemMessages());
    EXPECT_EQ(2, Menu().GetCurrent());
    EXPECT_EQ(-1, Menu().GetCurSel());
    EXPECT_EQ(HandCursor(), GetCursor());

    // Another caption: one message, still the hand.
    PointAt(OnCaption(RowRect(0)));
    EXPECT_EQ((std::vector<int>{2, 0}), CurrentItemMessages());
    EXPECT_EQ(0, Menu().GetCurrent());
}

TEST_F(MenuListTest, MovingWithinOneCaptionSendsNothingAndLeavesTheCursor)
{
    Open(NumberedEntries(4));
    const RECT row = RowRect(1);
    PointAt(OnCaption(row));
    ForgetMessages();
    SetCursor(ArrowCursor());
    PointAt(POINT{row.left + 30, row.top + 2});
    PointAt(POINT{row.left + 19, row.top + 14});
    EXPECT_TRUE(CurrentItemMessages().empty());
    EXPECT_EQ(ArrowCursor(), GetCursor());
    EXPECT_EQ(1, Menu().GetCurrent());
}

TEST_F(MenuListTest, PointsOfARowBesideItsCaptionAreNoItem)
{
    Open(NumberedEntries(4));
    const RECT row = RowRect(1);
    const POINT besides[] = {
        {row.left + 10, row.top + 7},   // the bullet
        {row.left + 18, row.top + 7},   // last pixel of the bullet column
        {row.right - 3, row.top + 7},   // right of the text
        {row.left + 25, row.top + 15},  // the 2 pixels below the text
        {row.left + 25, row.top + 16},
    };
    for (const POINT& point : besides) {
        PointAt(OnCaption(row));
        ForgetMessages();
        PointAt(point);
        EXPECT_EQ(std::vector<int>{-1}, CurrentItemMessages()) << point.x << "," << point.y;
        EXPECT_EQ(-1, Menu().GetCurrent());
        EXPECT_EQ(ArrowCursor(), GetCursor());
    }
}

TEST_F(MenuListTest, LeavingTheListFromACaptionKeepsItCurrent)
{
    Open(NumberedEntries(4));
    PointAt(OnCaption(RowRect(3)));
    // Off the list entirely: the list hears nothing more.
    MovePointer(POINT{-40, -40});
    Pump();
    EXPECT_EQ(3, Menu().GetCurrent());

    // Back onto the same caption: nothing changes, the hand is not set again.
    ForgetMessages();
    SetCursor(ArrowCursor());
    PointAt(OnCaption(RowRect(3)));
    EXPECT_TRUE(CurrentItemMessages().empty());
    EXPECT_EQ(ArrowCursor(), GetCursor());
}

TEST_F(MenuListTest, HoveringClearsTheKeyboardSelection)
{
    Open(NumberedEntries(4));
    Key(VK_DOWN);
    Key(VK_DOWN);
    ASSERT_EQ(1, Selection());
    PointAt(OnCaption(RowRect(3)));
    EXPECT_EQ(-1, Selection());
    EXPECT_EQ(3, Menu().GetCurrent());
    EXPECT_EQ(3, CurrentItemMessages().back());
}

TEST_F(MenuListTest, ReleasingOverACaptionActivatesItsRow)
{
    Open(NumberedEntries(4));
    const POINT point = OnCaption(RowRect(2));
    SendMessageA(List(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    EXPECT_EQ(2, Selection()) << "the list box's own press selects the row";
    SendMessageA(List(), WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    EXPECT_EQ(std::vector<int>{2}, Activations());
    EXPECT_NE(List(), GetCapture()) << "the press's capture ends with the release";
}

TEST_F(MenuListTest, PressAndReleaseOnTheBulletSelectsWithoutActivating)
{
    Open(NumberedEntries(4));
    const RECT row = RowRect(1);
    const POINT bullet{row.left + 7, row.top + 7};
    SendMessageA(List(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(bullet.x, bullet.y));
    SendMessageA(List(), WM_LBUTTONUP, 0, MAKELPARAM(bullet.x, bullet.y));
    EXPECT_TRUE(Activations().empty());
    EXPECT_EQ(1, Selection());
    EXPECT_EQ(1, Menu().GetCurrent());
    EXPECT_NE(List(), GetCapture());

    // Releasing elsewhere than on a caption after pressing one: no activation.
    const POINT caption = OnCaption(RowRect(2));
    SendMessageA(List(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(caption.x, caption.y));
    SendMessageA(List(), WM_LBUTTONUP, 0, MAKELPARAM(row.right - 2, row.top + 7));
    EXPECT_TRUE(Activations().empty());
}

TEST_F(MenuListTest, AClickLeavesNoCaptureBehind)
{
    // The list box's own press takes the capture. While it were held, no
    // pointer move would reach the list's hover tracking any more, and the
    // first click elsewhere would only end the capture.
    Open(NumberedEntries(4));
    const POINT bullet{7, RowRect(0).top + 7};
    SendMessageA(List(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(bullet.x, bullet.y));
    EXPECT_EQ(List(), GetCapture());
    SendMessageA(List(), WM_LBUTTONUP, 0, MAKELPARAM(bullet.x, bullet.y));
    EXPECT_EQ(nullptr, GetCapture());
    PointAt(OnCaption(RowRect(3)));
    EXPECT_EQ(3, Menu().GetCurrent());
    EXPECT_EQ(-1, Selection());
}

TEST_F(MenuListTest, AHoveredRowThatARefillRemovedIsNoRow)
{
    Open(NumberedEntries(5));
    PointAt(OnCaption(RowRect(4)));
    ASSERT_EQ(4, Menu().GetCurrent());

    // A nested menu with fewer rows, before the pointer has moved.
    Menu().Clear();
    Menu().AddItem(L"First", 0);
    Menu().AddItem(L"Second", 0);
    Menu().Relayout();
    EXPECT_EQ(-1, Menu().GetCurrent());

    // Drawing the vanished row draws nothing.
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, 60, 20);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    const RECT all{0, 0, 60, 20};
    const HBRUSH fill = CreateSolidBrush(RGB(10, 20, 30));
    FillRect(memory, &all, fill);
    for (UINT item : {4u, 2u, static_cast<UINT>(-1)}) {
        DRAWITEMSTRUCT draw{};
        draw.CtlType = ODT_LISTBOX;
        draw.CtlID = 1000;
        draw.itemID = item;
        draw.hwndItem = List();
        draw.hDC = memory;
        draw.rcItem = all;
        Menu().DrawItem(draw);
    }
    for (int y = 0; y < 20; y += 3)
        for (int x = 0; x < 60; x += 3)
            ASSERT_EQ(RGB(10, 20, 30), GetPixel(memory, x, y)) << x << "," << y;
    DeleteObject(fill);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    // Neither the keyboard nor the loss of the focus takes it for a row.
    ForgetMessages();
    Key(VK_DOWN);
    EXPECT_EQ(0, Selection());
    EXPECT_EQ(std::vector<int>{0}, CurrentItemMessages());
}

TEST_F(MenuListTest, FocusLossForgetsAVanishedHover)
{
    Open(NumberedEntries(5));
    SetFocus(List());
    PointAt(OnCaption(RowRect(4)));
    Menu().Clear();
    Menu().AddItem(L"Only", 0);
    Menu().Relayout();
    ForgetMessages();
    SetFocus(menu->Control(1005));
    EXPECT_EQ(-1, Menu().GetCurrent());
    EXPECT_EQ(-1, Selection());
    EXPECT_TRUE(CurrentItemMessages().empty());
}
