// The language combo in the real dialog: what the field and the open list
// show, and the item bookkeeping that the control cannot do for itself.
#include "controls/language_combo.h"
#include "controls_fixture.h"
#include "resources/resource_ids.h"
#include "support/message_log.h"

namespace {

const COLORREF kHighlight = GetSysColor(COLOR_HIGHLIGHT);
const COLORREF kHighlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);

class LanguageComboTest : public ControlsTest {
protected:
    LanguageComboTest() : combo(menu.Control(IDC_LANGUAGE_COMBO))
    {
        info.cbSize = sizeof(info);
        GetComboBoxInfo(combo, &info);
    }

    // Whether the closed field, repainted, shows a colour.
    bool FieldShows(COLORREF colour)
    {
        RedrawWindow(menu.Dialog(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        menu.Pump();
        return HasColour(CaptureClient(combo, info.rcItem), colour);
    }

    HWND combo;
    COMBOBOXINFO info = {};
};

} // namespace

TEST_F(LanguageComboTest, FieldShowsTheSelectionHighlightedOnlyWhileFocused)
{
    ASSERT_EQ(0, SendMessageA(combo, CB_GETCURSEL, 0, 0));
    SetFocus(combo);
    EXPECT_TRUE(FieldShows(kHighlight));
    EXPECT_TRUE(FieldShows(kHighlightText));
    SetFocus(menu.Control(IDC_MENU_LIST));
    EXPECT_FALSE(FieldShows(kHighlight));

    // Nothing selected: item -1 is not drawn, not even with the focus.
    SetFocus(combo);
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    EXPECT_FALSE(FieldShows(kHighlight));
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
    EXPECT_TRUE(HasColour(list, kHighlightText, second));
    EXPECT_FALSE(HasColour(list, kHighlight, first));
}

TEST_F(LanguageComboTest, AnObjectErasesNothingAndCountsItemsFromEachClear)
{
    LanguageCombo object;
    ExtraControl extra(menu.Dialog(), "ComboBox", kComboStyle, 100, 90);
    MessageLog passedOn(extra.window); // under the object's own procedure
    object.Attach(&menu.Window(), extra.window);
    LRESULT answer = 0;
    const Pixels after = CaptureDrawing(40, 20, [&](HDC dc) {
        answer = SendMessageA(extra.window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    });
    EXPECT_EQ(1, answer);
    EXPECT_TRUE(passedOn.Of(WM_ERASEBKGND).empty());
    EXPECT_EQ(0, InkBounds(after).right);

    LanguageCombo detached; // as while the dialog initialises: no control answers
    for (LanguageCombo* counting : {&object, &detached}) {
        EXPECT_EQ(0, counting->AddItem(L"a"));
        EXPECT_EQ(1, counting->AddItem(L"b"));
        counting->Clear();
        EXPECT_EQ(0, counting->AddItem(L"c"));
    }
    EXPECT_EQ(1, SendMessageA(extra.window, CB_GETCOUNT, 0, 0));
}
