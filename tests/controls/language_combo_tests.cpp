// The language combo in the real dialog: what the field and the open list
// show, and the item bookkeeping that the control cannot do for itself.
#include <gtest/gtest.h>

#include "controls/language_combo.h"
#include "controls_fixture.h"
#include "resources/resource_ids.h"
#include "support/running_menu.h"

namespace {

const COLORREF kHighlight = GetSysColor(COLOR_HIGHLIGHT);
const COLORREF kHighlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);

class LanguageComboTest : public ::testing::Test {
protected:
    LanguageComboTest() : menu(MenuWithPicture("", "")), combo(menu.Control(IDC_LANGUAGE_COMBO))
    {
        info.cbSize = sizeof(info);
        GetComboBoxInfo(combo, &info);
    }

    // The closed field as the screen shows it after the dialog repainted.
    Pixels Field()
    {
        RedrawWindow(menu.Dialog(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        menu.Pump();
        return CaptureClient(combo, info.rcItem);
    }

    ParkedCursor parked;
    RunningMenu menu;
    HWND combo;
    COMBOBOXINFO info = {};
};

WNDPROC comboClassProc;
int erasesPassedOn;

LRESULT CALLBACK CountingComboProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    erasesPassedOn += message == WM_ERASEBKGND;
    return CallWindowProcW(comboClassProc, window, message, wParam, lParam);
}

} // namespace

TEST_F(LanguageComboTest, FieldShowsTheSelectionHighlightedOnlyWhileFocused)
{
    ASSERT_EQ(0, SendMessageA(combo, CB_GETCURSEL, 0, 0));
    const RECT all = {0, 0, info.rcItem.right - info.rcItem.left, info.rcItem.bottom - info.rcItem.top};
    SetFocus(combo);
    const Pixels focused = Field();
    EXPECT_TRUE(HasColour(focused, all, kHighlight));
    EXPECT_TRUE(HasColour(focused, all, kHighlightText));

    SetFocus(menu.Control(IDC_MENU_LIST));
    EXPECT_FALSE(HasColour(Field(), all, kHighlight));

    // Nothing selected: item -1 is not drawn, not even with the focus.
    SetFocus(combo);
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    EXPECT_FALSE(HasColour(Field(), all, kHighlight));
}

TEST_F(LanguageComboTest, OpenListHighlightsTheSelectedItemOnly)
{
    // Room for both items: scaled to the picture, the combo keeps only a few
    // pixels for its list.
    RECT closed;
    GetWindowRect(combo, &closed);
    SetWindowPos(combo, nullptr, 0, 0, closed.right - closed.left, 200, SWP_NOMOVE | SWP_NOZORDER);
    SendMessageA(combo, CB_SETCURSEL, 1, 0);
    SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    menu.Pump();
    UpdateWindow(info.hwndList);
    RECT first, second;
    SendMessageA(info.hwndList, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    SendMessageA(info.hwndList, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
    const Pixels list = CaptureClient(info.hwndList, RECT{0, 0, second.right, second.bottom});
    SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);

    // The highlight fills the whole item, left of its text too.
    const int middle = (second.top + second.bottom) / 2;
    EXPECT_EQ(kHighlight, list.At(second.left + 1, middle));
    EXPECT_EQ(kHighlight, list.At(second.right - 2, middle));
    EXPECT_TRUE(HasColour(list, second, kHighlightText));
    EXPECT_FALSE(HasColour(list, first, kHighlight));
}

TEST_F(LanguageComboTest, EraseAnswersOneWithoutPaintingOrPassingItOn)
{
    LanguageCombo object;
    ExtraControl extra(menu.Dialog(), "ComboBox", CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED, 100, 90);
    comboClassProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(extra.window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingComboProc)));
    object.Attach(&menu.Window(), extra.window);
    erasesPassedOn = 0;
    LRESULT answer = 0;
    const Pixels after = CaptureDrawing(40, 20, [&](HDC dc) {
        answer = SendMessageA(extra.window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    });
    EXPECT_EQ(1, answer);
    EXPECT_EQ(0, erasesPassedOn);
    EXPECT_EQ(0, InkBounds(after).right);
}

TEST_F(LanguageComboTest, ItemsAreCountedByTheObjectFromEachClear)
{
    LanguageCombo object;
    ExtraControl extra(menu.Dialog(), "ComboBox", CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED, 100, 90);
    object.Attach(&menu.Window(), extra.window);
    EXPECT_EQ(0, object.AddItem(L"a"));
    EXPECT_EQ(1, object.AddItem(L"b"));
    object.Clear();
    EXPECT_EQ(0, object.AddItem(L"c"));
    EXPECT_EQ(1, SendMessageA(extra.window, CB_GETCOUNT, 0, 0));
    EXPECT_NE(CB_ERR, object.SetItemData(0, 7));
    EXPECT_EQ(7, object.GetItemData(0));

    // Heights are answered for real items only, in the 11-pixel item font.
    MEASUREITEMSTRUCT measure = {};
    measure.itemID = static_cast<UINT>(-1);
    measure.itemHeight = 99;
    object.MeasureItem(measure);
    EXPECT_EQ(99u, measure.itemHeight);
    measure.itemID = 0;
    object.MeasureItem(measure);
    EXPECT_GE(measure.itemHeight, 11u);
    EXPECT_LE(measure.itemHeight, 16u);

    // Unattached, as while the dialog initialises, no control answers (0 for
    // every item); the count is still the object's.
    LanguageCombo detached;
    EXPECT_EQ(0, detached.AddItem(L"x"));
    EXPECT_EQ(1, detached.AddItem(L"y"));
    detached.Clear();
    EXPECT_EQ(0, detached.AddItem(L"z"));
}
