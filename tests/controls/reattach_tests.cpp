// A control object bound a second time, to the same window or to another:
// each window keeps a working procedure chain, and a window left behind is
// the plain control it was before, answering for itself.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "controls/description_label.h"
#include "controls/exit_link.h"
#include "controls/language_combo.h"
#include "controls_fixture.h"
#include "support/running_menu.h"

namespace {

const DWORD kComboStyle = CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED;

class ReattachTest : public ::testing::Test {
protected:
    ReattachTest() : menu(MenuWithPicture("", "")) {}

    ParkedCursor parked;
    RunningMenu menu;
};

int TextLength(HWND window)
{
    return GetWindowTextLengthA(window);
}

} // namespace

TEST_F(ReattachTest, ComboBoundTwiceToOneWindowStillReachesTheControl)
{
    LanguageCombo object;
    ExtraControl extra(menu.Dialog(), "ComboBox", kComboStyle, 100, 90);
    object.Attach(&menu.Window(), extra.window);
    object.Attach(&menu.Window(), extra.window);
    EXPECT_EQ(0, object.AddItem(L"a"));
    EXPECT_EQ(1, SendMessageA(extra.window, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(1, SendMessageA(extra.window, WM_ERASEBKGND, 0, 0));
}

TEST_F(ReattachTest, ComboLeftBehindAnswersForItself)
{
    LanguageCombo object;
    ExtraControl first(menu.Dialog(), "ComboBox", kComboStyle, 100, 90);
    ExtraControl second(menu.Dialog(), "ComboBox", kComboStyle, 100, 90);
    object.Attach(&menu.Window(), first.window);
    object.AddItem(L"a");
    object.Attach(&menu.Window(), second.window);
    object.Clear();
    object.AddItem(L"b");
    object.AddItem(L"c");
    EXPECT_EQ(1, SendMessageA(first.window, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(2, SendMessageA(second.window, CB_GETCOUNT, 0, 0));
}

TEST_F(ReattachTest, LabelBoundTwiceToOneWindowStillReachesTheStatic)
{
    DescriptionLabel object;
    ExtraControl extra(menu.Dialog(), "Static", SS_OWNERDRAW, 100, 30);
    object.Attach(&menu.Window(), extra.window);
    object.Attach(&menu.Window(), extra.window);
    SetWindowTextA(extra.window, "abc");
    EXPECT_EQ(3, TextLength(extra.window));
}

TEST_F(ReattachTest, LinkBoundTwiceToOneWindowClicksOnce)
{
    ExitLink object;
    ExtraControl extra(menu.Dialog(), "Static", SS_OWNERDRAW | SS_NOTIFY, 150, 30);
    object.Attach(&menu.Window(), extra.window);
    object.Attach(&menu.Window(), extra.window);
    object.SetText(L"Exit");
    SetWindowTextA(extra.window, "abc");
    EXPECT_EQ(3, TextLength(extra.window));

    const POINT onText = {147, 15};
    ASSERT_TRUE(object.TextHitTest(onText));
    SendMessageA(extra.window, WM_LBUTTONUP, 0, MAKELPARAM(onText.x, onText.y));
    menu.Pump();
    EXPECT_TRUE(menu.QuitSeen());
}

TEST_F(ReattachTest, LinkLeftBehindNoLongerClicks)
{
    ExitLink object;
    ExtraControl first(menu.Dialog(), "Static", SS_OWNERDRAW | SS_NOTIFY, 150, 30);
    ExtraControl second(menu.Dialog(), "Static", SS_OWNERDRAW | SS_NOTIFY, 150, 30);
    object.Attach(&menu.Window(), first.window);
    object.Attach(&menu.Window(), second.window);
    object.SetText(L"Exit");
    const POINT onText = {147, 15};
    ASSERT_TRUE(object.TextHitTest(onText));

    SendMessageA(first.window, WM_LBUTTONUP, 0, MAKELPARAM(onText.x, onText.y));
    menu.Pump();
    EXPECT_FALSE(menu.QuitSeen());

    SendMessageA(second.window, WM_LBUTTONUP, 0, MAKELPARAM(onText.x, onText.y));
    menu.Pump();
    EXPECT_TRUE(menu.QuitSeen());
}
