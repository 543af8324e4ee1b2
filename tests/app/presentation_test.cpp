// The menu in the current language: what Refresh puts on the screen, what a
// change of language rebuilds, and the description of the row under the mouse.
#include <gtest/gtest.h>

#include "app/main_window_rules.h"
#include "resources/resource_ids.h"
#include "support/menu_process.h"
#include "support/running_menu.h"

namespace {

const char kThreeLanguages[] =
    "[Main]\r\nCaption_en=Disc\r\nCaption_de=Scheibe\r\nExitText_en=Exit\r\nExitText_de=Beenden\r\n"
    "[Language]\r\nLocale=en\r\nName_en=English\r\nName_de=Englisch\r\n"
    "[Language]\r\nLocale=de\r\nName_en=German\r\nName_de=Deutsch\r\n"
    "[Language]\r\nLocale=ru\r\nName_ru=Russian only\r\n"
    "[Element]\r\nName_en=Install\r\nName_de=Installieren\r\nDescription_en=Installs\r\nDescription_de=Installiert\r\n"
    "[Element]\r\nName_de=Nur deutsch\r\nMarker=Secondary\r\nDescription=Only German\r\n"
    "[Element]\r\nName=Everywhere\r\nMarker=secondary\r\nDescription_en=English description\r\n";

// The texts of a list's or a combo's items.
template <class Control>
std::vector<std::wstring> Items(Control& control)
{
    std::vector<std::wstring> items;
    for (int i = 0; i < control.Count(); ++i)
        items.push_back(control.ItemText(i));
    return items;
}

void Choose(RunningMenu& menu, int item)
{
    ChooseLanguage(menu.Dialog(), item);
    menu.Pump();
}

// Puts the pointer on a row's caption and lets the list notice it.
void PointAtRow(RunningMenu& menu, int row)
{
    HWND list = menu.Control(IDC_MENU_LIST);
    RECT item;
    SendMessageA(list, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item));
    POINT point = {item.left + 22, item.top + 6};
    ClientToScreen(list, &point);
    SetCursorPos(point.x, point.y);
    SendMessageA(list, WM_SETCURSOR, reinterpret_cast<WPARAM>(list),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    menu.Pump();
}

class Presentation : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (LanguageCodeForUser(GetUserDefaultLangID()) != "en")
            GTEST_SKIP() << "needs a user language that maps to en";
    }
};

TEST_F(Presentation, RefreshFillsEverythingInTheLanguageChosen)
{
    // Every language gets a combo item, even one without a name in the
    // current language; a language with neither its own texts nor
    // unsuffixed ones empties them.
    const struct {
        const char* code;
        const wchar_t* caption;
        std::vector<std::wstring> comboItems;
        std::vector<std::wstring> rows;
        std::vector<int> markers;
        const wchar_t* exitText;
    } languages[] = {
        {"en", L"Disc", {L"English", L"German", L""}, {L"Install", L"Everywhere"}, {0, 1}, L"Exit"},
        {"de", L"Scheibe", {L"Englisch", L"Deutsch", L""},
         {L"Installieren", L"Nur deutsch", L"Everywhere"}, {0, 1, 1}, L"Beenden"},
        {"ru", L"", {L"", L"", L"Russian only"}, {L"Everywhere"}, {1}, L""},
    };
    RunningMenu menu(kThreeLanguages);
    MainWindow& window = menu.Window();
    for (int item = 0; item < 3; ++item) {
        const auto& expected = languages[item];
        SCOPED_TRACE(expected.code);
        if (item > 0)
            Choose(menu, item);
        EXPECT_EQ(expected.code, window.CurrentLanguage());
        EXPECT_EQ(expected.caption, WindowCaption(menu.Dialog()));
        EXPECT_EQ(expected.comboItems, Items(window.Languages()));
        EXPECT_EQ(item, window.Languages().GetCurSel());
        ASSERT_EQ(expected.rows, Items(window.List()));
        for (int row = 0; row < window.List().Count(); ++row)
            EXPECT_EQ(expected.markers[row], window.List().ItemMarker(row)) << row;
        EXPECT_EQ(expected.exitText, window.Exit().Text());
    }
}

TEST_F(Presentation, ALanguageChangeKeepsTheSizeAndTheRowUnderTheMouse)
{
    const std::string english =
        RunningMenu::WriteBeside("en400.bmp", SolidBitmapFile(400, 300, RGB(200, 0, 0)));
    const std::string german =
        RunningMenu::WriteBeside("de200.bmp", SolidBitmapFile(200, 150, RGB(0, 0, 200)));
    RunningMenu menu("[Main]\r\nPicture_en=" + english + "\r\nPicture_de=" + german + "\r\n" +
                     kThreeLanguages);
    MainWindow& window = menu.Window();
    RECT before, after;
    GetWindowRect(menu.Dialog(), &before);
    EXPECT_EQ(RGB(200, 0, 0), ClientPixel(menu.Dialog(), 2, 2));
    PointAtRow(menu, 1);
    EXPECT_EQ(L"English description", window.Description().Text());
    PointAtRow(menu, 0);
    EXPECT_EQ(L"Installs", window.Description().Text());

    // The row still under the mouse shows its description in the new
    // language; the smaller picture is stretched over the same client area.
    Choose(menu, 1);
    EXPECT_EQ(L"Installiert", window.Description().Text());
    GetWindowRect(menu.Dialog(), &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    UpdateWindow(menu.Dialog());
    EXPECT_EQ(RGB(0, 0, 200), ClientPixel(menu.Dialog(), 2, 2));
    EXPECT_EQ(RGB(0, 0, 200), ClientPixel(menu.Dialog(), 390, 290));

    // Outside every caption, or for a row that does not exist, it clears.
    for (int row : {-1, 7}) {
        window.ShowDescription(0);
        window.ShowDescription(row);
        EXPECT_EQ(L"", window.Description().Text()) << row;
    }
}

// Real input, as a user changes the language: a click on the second item of
// the open list picks German, the arrow key goes back.
TEST_F(Presentation, TheUserChangesItWithTheMouseAndTheArrowKeys)
{
    RunningMenu menu(kThreeLanguages);
    SetForegroundWindow(menu.Dialog());
    const auto waitFor = [&](const std::string& code, const wchar_t* caption) {
        EXPECT_TRUE(WaitUntil([&] {
            menu.Pump();
            return menu.Window().CurrentLanguage() == code;
        })) << code;
        EXPECT_EQ(caption, WindowCaption(menu.Dialog()));
    };
    HWND combo = menu.Control(IDC_LANGUAGE_COMBO);
    SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    menu.Pump();
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    GetComboBoxInfo(combo, &info);
    RECT second;
    SendMessageA(info.hwndList, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
    POINT point = {second.left + 5, (second.top + second.bottom) / 2};
    ClientToScreen(info.hwndList, &point);

    INPUT input[3] = {};
    for (INPUT& each : input)
        each.type = INPUT_MOUSE;
    input[0].mi.dx = MulDiv(point.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input[0].mi.dy = MulDiv(point.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    // Under Wine the pointer can lag a move: it is sent again until the
    // system has taken it in.
    WaitUntil([&] {
        SendInput(1, input, sizeof(INPUT));
        WaitUntil([&] { menu.Pump(); return false; }, 20);
        POINT now;
        return GetCursorPos(&now) && now.x == point.x && now.y == point.y;
    });
    SendInput(2, input + 1, sizeof(INPUT));
    waitFor("de", L"Scheibe");

    SetFocus(combo);
    keybd_event(VK_UP, 0, 0, 0);
    keybd_event(VK_UP, 0, KEYEVENTF_KEYUP, 0);
    waitFor("en", L"Disc");
}

} // namespace
