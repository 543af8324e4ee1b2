// The real main window inside the test process: what a nested menu takes
// away, a dialog that cannot be made, and what the dialog holds at first sight.
#include <gtest/gtest.h>

#include "resources/resource_ids.h"
#include "support/desktop_input.h"
#include "support/menu_process.h"
#include "support/running_menu.h"
#include "support/temp_folder.h"

namespace {

// Puts the pointer on a row's caption and lets the list notice it.
void PointAtRow(RunningMenu& menu, int row)
{
    HWND list = menu.Control(IDC_MENU_LIST);
    RECT item;
    SendMessageA(list, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item));
    POINT point = {item.left + 22, item.top + 6};
    ClientToScreen(list, &point);
    // The list reads the pointer's place back, which under Wine lags a plain
    // SetCursorPos: move it as input and wait until it is reported there.
    // The system's own mouse messages are left out: they may arrive late,
    // with the place the pointer had before, and take the hover away again.
    // A move that Wine still reports late can even so take the hover away;
    // the pointer is put there again until the row holds it.
    for (int attempt = 0; attempt < 5 && menu.Window().List().GetCurrent() != row; ++attempt) {
        MovePointerTo(point, PumpAllButMouse);
        SendMessageA(list, WM_SETCURSOR, reinterpret_cast<WPARAM>(list),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        PumpAllButMouse();
    }
}

TEST(NestedMenuLoad, TakesTheOldDescriptionAndTheRowUnderTheMouseAway)
{
    RunningMenu menu(
        "[Element]\r\nName=Install\r\nDescription=Installs\r\n[Element]\r\nName=Two\r\n");
    const std::string nested =
        RunningMenu::WriteBeside("nested.lst", "[Element]\r\nName=New one\r\nDescription=New "
                                               "description\r\n[Element]\r\nName=New two\r\n");
    PointAtRow(menu, 0);
    ASSERT_EQ(L"Installs", menu.Window().Description().Text());
    ASSERT_TRUE(menu.Window().Launch(nested));
    EXPECT_EQ(L"", menu.Window().Description().Text());
    EXPECT_EQ(-1, menu.Window().List().GetCurrent());
    // The same row number in the new menu is a new row under the mouse.
    PointAtRow(menu, 0);
    EXPECT_EQ(L"New description", menu.Window().Description().Text());
}

TEST(MainWindowCreate, FailsAndSaysWhyWhenTheDialogCannotBeMade)
{
    TempFolder folder;
    // A module without the dialog resource.
    Application application(GetModuleHandleA("kernel32.dll"));
    MainWindow window(&application, folder.WriteFile("kiveron.lst", "[Element]\r\nName=One\r\n"),
                      "*");
    SetLastError(ERROR_SUCCESS);
    EXPECT_FALSE(window.Create());
    EXPECT_NE(static_cast<DWORD>(ERROR_SUCCESS), GetLastError());
    EXPECT_EQ(nullptr, window.Dialog());
}

// What a dialog holds at the moment it is about to become visible, taken on
// the thread's own message hook: nothing the user could see may change after.
struct Sight {
    std::wstring caption;
    RECT list = {};
    LRESULT rows = -1;
    bool comboShown = false;
};

Sight TakeSight(HWND dialog)
{
    Sight sight;
    sight.caption = WindowCaption(dialog);
    const HWND list = GetDlgItem(dialog, IDC_MENU_LIST);
    GetWindowRect(list, &sight.list);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&sight.list), 2);
    sight.rows = SendMessageA(list, LB_GETCOUNT, 0, 0);
    // The combo's own flag: while the dialog is hidden no child counts as visible.
    sight.comboShown =
        (GetWindowLongPtrA(GetDlgItem(dialog, IDC_LANGUAGE_COMBO), GWL_STYLE) & WS_VISIBLE) != 0;
    return sight;
}

Sight firstSight;

LRESULT CALLBACK BeforeEachMessage(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT& message = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    const bool topLevel = (GetWindowLongPtrA(message.hwnd, GWL_STYLE) & WS_CHILD) == 0;
    if (code == HC_ACTION && message.message == WM_SHOWWINDOW && message.wParam != FALSE &&
        topLevel && firstSight.rows < 0)
        firstSight = TakeSight(message.hwnd);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(FirstSight, TheDialogBecomesVisibleOnlyFittedCaptionedAndFilled)
{
    const std::string picture =
        RunningMenu::WriteBeside("sight.bmp", SolidBitmapFile(700, 500, RGB(90, 60, 20)));
    firstSight = Sight();
    const HHOOK hook =
        SetWindowsHookExA(WH_CALLWNDPROC, BeforeEachMessage, nullptr, GetCurrentThreadId());
    ASSERT_NE(nullptr, hook);
    RunningMenu menu(
        "[Main]\r\nCaption=First sight\r\nPicture=" + picture +
        "\r\n[Language]\r\nLocale=en\r\nName=English\r\n"
        "[Element]\r\nName=One\r\n[Element]\r\nName=Two\r\n[Element]\r\nName=Three\r\n");
    UnhookWindowsHookEx(hook);

    const Sight settled = TakeSight(menu.Dialog());
    EXPECT_EQ(L"First sight", firstSight.caption);
    EXPECT_TRUE(EqualRect(&settled.list, &firstSight.list)) << "the list moved after first sight";
    EXPECT_EQ(3, firstSight.rows);
    // One language: the chooser is hidden before anything shows.
    EXPECT_FALSE(firstSight.comboShown);
}

} // namespace
