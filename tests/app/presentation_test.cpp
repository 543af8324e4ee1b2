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

std::vector<std::wstring> Rows(MainWindow& window)
{
    std::vector<std::wstring> rows;
    for (int i = 0; i < window.List().Count(); ++i)
        rows.push_back(window.List().ItemText(i));
    return rows;
}

std::vector<std::wstring> ComboItems(MainWindow& window)
{
    std::vector<std::wstring> items;
    for (int i = 0; i < window.Languages().Count(); ++i)
        items.push_back(window.Languages().ItemText(i));
    return items;
}

void SelectLanguageWithMessages(RunningMenu& menu, int item)
{
    HWND combo = menu.Control(IDC_LANGUAGE_COMBO);
    SendMessageA(combo, CB_SETCURSEL, item, 0);
    SendMessageA(menu.Dialog(), WM_COMMAND, MAKEWPARAM(IDC_LANGUAGE_COMBO, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
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
    SendMessageA(list, WM_SETCURSOR, reinterpret_cast<WPARAM>(list), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
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

TEST_F(Presentation, RefreshFillsEverythingInTheCurrentLanguage)
{
    RunningMenu menu(kThreeLanguages);
    MainWindow& window = menu.Window();
    EXPECT_EQ(L"Disc", WindowCaption(menu.Dialog()));
    // Every language gets an item, even one without a name in this language.
    EXPECT_EQ((std::vector<std::wstring>{L"English", L"German", L""}), ComboItems(window));
    EXPECT_EQ(0, window.Languages().GetCurSel());
    EXPECT_EQ((std::vector<std::wstring>{L"Install", L"Everywhere"}), Rows(window));
    EXPECT_EQ(0, window.List().ItemMarker(0));
    EXPECT_EQ(1, window.List().ItemMarker(1));
    EXPECT_EQ(L"Exit", window.Exit().Text());
}

TEST_F(Presentation, ChangingTheLanguageRebuildsEverything)
{
    RunningMenu menu(kThreeLanguages);
    MainWindow& window = menu.Window();
    SelectLanguageWithMessages(menu, 1);
    EXPECT_EQ("de", window.CurrentLanguage());
    EXPECT_EQ(L"Scheibe", WindowCaption(menu.Dialog()));
    EXPECT_EQ((std::vector<std::wstring>{L"Englisch", L"Deutsch", L""}), ComboItems(window));
    EXPECT_EQ(1, window.Languages().GetCurSel());
    EXPECT_EQ((std::vector<std::wstring>{L"Installieren", L"Nur deutsch", L"Everywhere"}), Rows(window));
    EXPECT_EQ(L"Beenden", window.Exit().Text());
    // Rows now map one to one onto elements.
    EXPECT_EQ(1, window.ElementOfRow(1));

    // A language with neither its own texts nor unsuffixed ones empties them.
    SelectLanguageWithMessages(menu, 2);
    EXPECT_EQ("ru", window.CurrentLanguage());
    EXPECT_EQ(L"", WindowCaption(menu.Dialog()));
    EXPECT_EQ((std::vector<std::wstring>{L"Everywhere"}), Rows(window));
    EXPECT_EQ(2, window.ElementOfRow(0));
    EXPECT_EQ(L"", window.Exit().Text());
}

TEST_F(Presentation, TheFirstLanguageIsSelectedWhenNoneHasTheCurrentCode)
{
    RunningMenu menu("[Language]\r\nLocale=fr\r\nName=Francais\r\n[Language]\r\nLocale=ru\r\nName=Russkij\r\n"
                     "[Element]\r\nName=Row\r\n");
    EXPECT_EQ("*", menu.Window().CurrentLanguage());
    EXPECT_EQ(0, menu.Window().Languages().GetCurSel());
}

TEST_F(Presentation, TheDescriptionFollowsTheRowUnderTheMouse)
{
    RunningMenu menu(kThreeLanguages);
    MainWindow& window = menu.Window();
    PointAtRow(menu, 1);
    EXPECT_EQ(L"English description", window.Description().Text());
    PointAtRow(menu, 0);
    EXPECT_EQ(L"Installs", window.Description().Text());

    // The row is still under the mouse after the language changed: its
    // description comes back in the new language.
    SelectLanguageWithMessages(menu, 1);
    EXPECT_EQ(L"Installiert", window.Description().Text());

    // Outside every caption the description clears.
    window.ShowDescription(-1);
    EXPECT_EQ(L"", window.Description().Text());
    // A row that does not exist clears it too, rather than reaching an element.
    window.ShowDescription(7);
    EXPECT_EQ(L"", window.Description().Text());
}

TEST_F(Presentation, ChangingTheLanguageLoadsItsPictureWithoutResizing)
{
    const std::string english = RunningMenu::WriteBeside("en400.bmp", SolidBitmapFile(400, 300, RGB(200, 0, 0)));
    const std::string german = RunningMenu::WriteBeside("de200.bmp", SolidBitmapFile(200, 150, RGB(0, 0, 200)));
    RunningMenu menu("[Main]\r\nPicture_en=" + english + "\r\nPicture_de=" + german + "\r\n" + kThreeLanguages);
    RECT before;
    GetWindowRect(menu.Dialog(), &before);
    EXPECT_EQ(RGB(200, 0, 0), ClientPixel(menu.Dialog(), 2, 2));

    SelectLanguageWithMessages(menu, 1);
    RECT after;
    GetWindowRect(menu.Dialog(), &after);
    EXPECT_EQ(before.right - before.left, after.right - after.left);
    EXPECT_EQ(before.bottom - before.top, after.bottom - after.top);
    // The smaller picture is stretched over the client area.
    UpdateWindow(menu.Dialog());
    EXPECT_EQ(RGB(0, 0, 200), ClientPixel(menu.Dialog(), 2, 2));
    EXPECT_EQ(RGB(0, 0, 200), ClientPixel(menu.Dialog(), 390, 290));
}

// Real input, as a user changes the language.
class LanguageByInput : public Presentation {
protected:
    static void PumpFor(RunningMenu& menu, DWORD ms)
    {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < ms) {
            menu.Pump();
            Sleep(10);
        }
    }

    static void Key(WORD key)
    {
        INPUT input[2] = {};
        input[0].type = input[1].type = INPUT_KEYBOARD;
        input[0].ki.wVk = input[1].ki.wVk = key;
        input[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, input, sizeof(INPUT));
    }

    // Moves the pointer with a real input event and waits until the system
    // has taken the move in: under Wine the pointer position can lag a move.
    static void MoveTo(RunningMenu& menu, POINT screen)
    {
        INPUT move = {};
        move.type = INPUT_MOUSE;
        move.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        move.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
        move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        for (int attempt = 0; attempt < 100; ++attempt) {
            SendInput(1, &move, sizeof(INPUT));
            PumpFor(menu, 20);
            POINT now;
            GetCursorPos(&now);
            if (now.x == screen.x && now.y == screen.y)
                return;
        }
    }

    static void ClickAt(RunningMenu& menu, POINT screen)
    {
        MoveTo(menu, screen);
        INPUT input[2] = {};
        input[0].type = input[1].type = INPUT_MOUSE;
        input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, input, sizeof(INPUT));
    }

    static bool WaitForLanguage(RunningMenu& menu, const std::string& code)
    {
        for (int i = 0; i < 200 && menu.Window().CurrentLanguage() != code; ++i)
            PumpFor(menu, 10);
        return menu.Window().CurrentLanguage() == code;
    }
};

TEST_F(LanguageByInput, ArrowKeysInTheCombo)
{
    RunningMenu menu(kThreeLanguages);
    SetForegroundWindow(menu.Dialog());
    SetFocus(menu.Control(IDC_LANGUAGE_COMBO));
    PumpFor(menu, 50);
    Key(VK_DOWN);
    ASSERT_TRUE(WaitForLanguage(menu, "de"));
    EXPECT_EQ(L"Scheibe", WindowCaption(menu.Dialog()));
    Key(VK_UP);
    ASSERT_TRUE(WaitForLanguage(menu, "en"));
    EXPECT_EQ(L"Disc", WindowCaption(menu.Dialog()));
}

TEST_F(LanguageByInput, MouseInTheOpenList)
{
    RunningMenu menu(kThreeLanguages);
    SetForegroundWindow(menu.Dialog());
    HWND combo = menu.Control(IDC_LANGUAGE_COMBO);
    RECT field;
    GetWindowRect(combo, &field);
    ClickAt(menu, POINT{field.left + 10, (field.top + field.bottom) / 2});
    for (int i = 0; i < 100 && !SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0); ++i)
        PumpFor(menu, 20);
    ASSERT_TRUE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));

    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    GetComboBoxInfo(combo, &info);
    RECT second;
    SendMessageA(info.hwndList, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
    POINT point = {second.left + 5, (second.top + second.bottom) / 2};
    ClientToScreen(info.hwndList, &point);
    ClickAt(menu, point);
    ASSERT_TRUE(WaitForLanguage(menu, "de"));
    EXPECT_EQ(L"Scheibe", WindowCaption(menu.Dialog()));
}

} // namespace
