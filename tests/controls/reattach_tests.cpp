// A control object bound a second time, to the same window or to another:
// each window keeps a working procedure chain, and a window left behind is
// the plain control it was before, answering for itself.
#include "app/main_window.h"
#include "controls/description_label.h"
#include "controls/exit_link.h"
#include "controls/language_combo.h"
#include "controls_fixture.h"
#include "platform/window_long.h"

TEST_F(ControlsTest, ObjectsBoundAgainLeaveEveryWindowWorking)
{
    LanguageCombo combo;
    DescriptionLabel label;
    ExitLink exitLink;
    ExtraControl leftCombo(menu.Dialog(), "ComboBox", kComboStyle, 100, 90);
    ExtraControl boundCombo(menu.Dialog(), "ComboBox", kComboStyle, 100, 90);
    ExtraControl boundLabel(menu.Dialog(), "Static", SS_OWNERDRAW, 100, 30);
    ExtraControl leftLink(menu.Dialog(), "Static", SS_OWNERDRAW | SS_NOTIFY, 150, 30);
    ExtraControl boundLink(menu.Dialog(), "Static", SS_OWNERDRAW | SS_NOTIFY, 150, 30);
    combo.Attach(&menu.Window(), leftCombo.window);
    combo.AddItem(L"a");
    exitLink.Attach(&menu.Window(), leftLink.window);
    for (int binding = 0; binding < 2; ++binding) { // twice to the same window
        combo.Attach(&menu.Window(), boundCombo.window);
        label.Attach(&menu.Window(), boundLabel.window);
        exitLink.Attach(&menu.Window(), boundLink.window);
    }
    combo.Clear();
    EXPECT_EQ(0, combo.AddItem(L"b"));
    combo.AddItem(L"c");
    EXPECT_EQ(1, SendMessageA(leftCombo.window, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(2, SendMessageA(boundCombo.window, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(1, SendMessageA(boundCombo.window, WM_ERASEBKGND, 0, 0));
    for (HWND window : {boundLabel.window, boundLink.window})
        EXPECT_TRUE(SetWindowTextA(window, "abc") && GetWindowTextLengthA(window) == 3);

    exitLink.SetText(L"Exit");
    const POINT onText = {147, 15};
    ASSERT_TRUE(exitLink.TextHitTest(onText));
    for (HWND window : {leftLink.window, boundLink.window}) {
        SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(onText.x, onText.y));
        menu.Pump();
        EXPECT_EQ(window == boundLink.window, menu.QuitSeen());
    }
}

// An object that goes before its window gives the window its own procedure
// back: a message that came later would otherwise look for the object gone.
TEST_F(ControlsTest, ObjectsGoneLeaveTheirWindowsPlainControls)
{
    ExtraControl comboWindow(menu.Dialog(), "ComboBox", kComboStyle, 100, 90);
    ExtraControl labelWindow(menu.Dialog(), "Static", SS_OWNERDRAW, 100, 30);
    ExtraControl linkWindow(menu.Dialog(), "Static", SS_OWNERDRAW | SS_NOTIFY, 150, 30);
    const HWND windows[] = {comboWindow.window, labelWindow.window, linkWindow.window};
    LONG_PTR ownProcedures[3];
    for (int i = 0; i < 3; ++i)
        ownProcedures[i] = GetWindowLongAuto(windows[i], GWLP_WNDPROC);
    {
        LanguageCombo combo;
        DescriptionLabel label;
        ExitLink exitLink;
        combo.Attach(&menu.Window(), comboWindow.window);
        label.Attach(&menu.Window(), labelWindow.window);
        exitLink.Attach(&menu.Window(), linkWindow.window);
        for (int i = 0; i < 3; ++i)
            ASSERT_NE(ownProcedures[i], GetWindowLongAuto(windows[i], GWLP_WNDPROC));
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(ownProcedures[i], GetWindowLongAuto(windows[i], GWLP_WNDPROC)) << i;
        EXPECT_EQ(0, GetWindowLongAuto(windows[i], GWLP_USERDATA)) << i;
    }
    EXPECT_EQ(0, SendMessageA(comboWindow.window, CB_ADDSTRING, 0, 0));
}
