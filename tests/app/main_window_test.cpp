// The real main window inside the test process: start-up language, caption,
// fitting to the picture, the combo, the rows, what Refresh shows in each
// language, what a change of language rebuilds, and the description of the
// row under the mouse.
#include <gtest/gtest.h>

#include "app/dialog_scaling.h"
#include "app/startup_language.h"
#include "resources/resource_ids.h"
#include "support/desktop_input.h"
#include "support/menu_process.h"
#include "support/running_menu.h"
#include "support/temp_folder.h"

namespace {

const char kTwoLanguages[] =
    "[Main]\r\nCaption=Any language\r\nCaption_en=English caption\r\nCaption_de=Deutsch\r\n"
    "[Language]\r\nLocale=de\r\nName=Deutsch\r\n"
    "[Language]\r\nLocale=en\r\nName=English\r\n"
    "[Element]\r\nName_en=Install\r\nCommand=setup.exe\r\n"
    "[Element]\r\nName_de=Nur deutsch\r\n"
    "[Element]\r\nName=Read me\r\n";

const char kThreeLanguages[] =
    "[Main]\r\nCaption_en=Disc\r\nCaption_de=Scheibe\r\nExitText_en=Exit\r\nExitText_de=Beenden\r\n"
    "[Language]\r\nLocale=en\r\nName_en=English\r\nName_de=Englisch\r\n"
    "[Language]\r\nLocale=de\r\nName_en=German\r\nName_de=Deutsch\r\n"
    "[Language]\r\nLocale=ru\r\nName_ru=Russian only\r\n"
    "[Element]\r\nName_en=Install\r\nName_de=Installieren\r\n"
    "Description_en=Installs\r\nDescription_de=Installiert\r\n"
    "[Element]\r\nName_de=Nur deutsch\r\nMarker=Secondary\r\nDescription=Only German\r\n"
    "[Element]\r\nName=Everywhere\r\nMarker=secondary\r\nDescription_en=English description\r\n";

std::string WithPicture(const std::string& name, const std::string& bitmapFile)
{
    return "[Main]\r\nPicture=" + RunningMenu::WriteBeside(name, bitmapFile) + "\r\n" +
           kTwoLanguages;
}

using Edges = std::vector<LONG>;
Edges EdgesOf(const RECT& r)
{
    return {r.left, r.top, r.right, r.bottom};
}

Edges ClientEdges(HWND window)
{
    RECT rect;
    GetClientRect(window, &rect);
    return EdgesOf(rect);
}

RECT NormalPosition(HWND window)
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    GetWindowPlacement(window, &placement);
    return placement.rcNormalPosition;
}

// The texts of a list's or a combo's items.
template <class Control>
std::vector<std::wstring> Items(Control& control)
{
    std::vector<std::wstring> items;
    for (int i = 0; i < control.Count(); ++i)
        items.push_back(control.ItemText(i));
    return items;
}

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

// The start-up language, and with it all the texts, follows the user's.
class Window : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (LanguageCodeForUser(GetUserDefaultLangID()) != "en")
            GTEST_SKIP() << "needs a user language that maps to en";
    }
};

TEST_F(Window, CaptionComboAndRowsFollowTheStartupLanguage)
{
    const struct {
        const char* menu;
        const char* language;
        const wchar_t* caption;
        std::vector<int> elementOfRow; // rows skip elements without a name
        bool comboShown;
        int comboSelected; // the language's item, or the first one
    } cases[] = {
        {kTwoLanguages, "en", L"English caption", {0, 2}, true, 1},
        {"[Main]\nCaption_en=English\nCaption=Plain\n[Element]\nName_en=Hidden\n"
         "[Element]\nName=Shown\n",
         "*",
         L"Plain",
         {1},
         false,
         -1},
        // No caption at all replaces the template's.
        {"[Language]\nLocale=en\nName=English\n[Element]\nName=Row\n", "en", L"", {0}, false, 0},
        {"[Language]\nLocale=fr\nName=Francais\n[Language]\nLocale=ru\nName=Russkij\n"
         "[Element]\nName=Row\n",
         "*",
         L"",
         {0},
         true,
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.menu);
        RunningMenu menu(c.menu);
        EXPECT_EQ(c.language, menu.Window().CurrentLanguage());
        EXPECT_EQ(c.caption, WindowCaption(menu.Dialog()));
        const int rows = static_cast<int>(c.elementOfRow.size());
        EXPECT_EQ(rows, SendMessageA(menu.Control(IDC_MENU_LIST), LB_GETCOUNT, 0, 0));
        for (int row = -1; row <= rows; ++row)
            EXPECT_EQ(row >= 0 && row < rows ? c.elementOfRow[row] : -1,
                      menu.Window().ElementOfRow(row))
                << row;
        EXPECT_EQ(c.comboShown, IsWindowVisible(menu.Control(IDC_LANGUAGE_COMBO)) != FALSE);
        EXPECT_EQ(c.comboSelected, menu.Window().Languages().GetCurSel());
    }
}

TEST_F(Window, FitsItselfToThePictureFromItsTopLeftCornerAndWithoutOneKeepsTheTemplateSize)
{
    // The template's own geometry, centred, before any fitting: a picture
    // that cannot be loaded leaves it.
    const int ids[4] = {IDC_LANGUAGE_COMBO, IDC_MENU_LIST, IDC_DESCRIPTION, IDC_EXIT_LINK};
    RECT plainWindow, plainClient, plainDropped, plainControls[4];
    RECT templateSize = {0, 0, 320, 217};
    {
        RunningMenu plain(std::string("[Main]\nPicture=Z:\\nowhere\\none.bmp\n") + kTwoLanguages);
        EXPECT_FALSE(plain.Window().Picture().HasImage());
        MapDialogRect(plain.Dialog(), &templateSize);
        EXPECT_EQ(EdgesOf(templateSize), ClientEdges(plain.Dialog()));
        GetWindowRect(plain.Dialog(), &plainWindow);
        GetClientRect(plain.Dialog(), &plainClient);
        for (int i = 0; i < 4; ++i)
            plainControls[i] = NormalPosition(plain.Control(ids[i]));
        SendMessageA(plain.Control(IDC_LANGUAGE_COMBO), CB_GETDROPPEDCONTROLRECT, 0,
                     reinterpret_cast<LPARAM>(&plainDropped));
    }
    {
        // A top-down picture fits by its rows.
        RunningMenu topDown(WithPicture("down.bmp", SolidBitmapFile(300, 200, RGB(9, 9, 9), true)));
        ASSERT_TRUE(topDown.Window().Picture().HasImage());
        EXPECT_EQ((Edges{0, 0, 300, 200}), ClientEdges(topDown.Dialog()));
    }

    RunningMenu menu(WithPicture("fit640.bmp", SolidBitmapFile(640, 480, RGB(0, 128, 0))));
    ASSERT_TRUE(menu.Window().Picture().HasImage());
    EXPECT_EQ((Edges{0, 0, 640, 480}), ClientEdges(menu.Dialog()));
    RECT frame;
    GetWindowRect(menu.Dialog(), &frame);
    const LONG width = 640 + 2 * GetSystemMetrics(SM_CXDLGFRAME);
    const LONG height = 480 + 2 * GetSystemMetrics(SM_CYDLGFRAME) + GetSystemMetrics(SM_CYCAPTION);
    EXPECT_EQ((Edges{plainWindow.left, plainWindow.top, plainWindow.left + width,
                     plainWindow.top + height}),
              EdgesOf(frame));

    // The combo and the list (the first two) round, the description and the
    // exit link floor.
    const double sx = 640.0 / plainClient.right;
    const double sy = 480.0 / plainClient.bottom;
    for (int i = 0; i < 4; ++i) {
        const RECT expected = ScaleRect(plainControls[i], sx, sy, i < 2);
        RECT actual = NormalPosition(menu.Control(ids[i]));
        // The combo's height is its own (a drop-down list sizes itself).
        if (ids[i] == IDC_LANGUAGE_COMBO)
            actual.bottom = expected.bottom;
        EXPECT_EQ(EdgesOf(expected), EdgesOf(actual)) << "control " << ids[i];
    }

    // The open list keeps its share of the dialog, up to one item shorter
    // (it keeps to whole items), rather than the closed field's height.
    HWND combo = menu.Control(IDC_LANGUAGE_COMBO);
    RECT dropped;
    SendMessageA(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    const LONG scaled = ScaleEdge(plainDropped.bottom - plainDropped.top, sy, true);
    const LONG item = static_cast<LONG>(SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0));
    EXPECT_LE(dropped.bottom - dropped.top, scaled);
    EXPECT_GE(dropped.bottom - dropped.top, scaled - item);
}

TEST_F(Window, RefreshAndEachLanguageChangeRebuildEverythingInTheSameWindow)
{
    // Every language gets a combo item, even one without a name in the
    // current language; a language with neither its own texts nor
    // unsuffixed ones empties them. Without a picture of its own the one
    // shown stays; a smaller one is stretched over the same client area.
    const struct {
        const char* code;
        const wchar_t* caption;
        std::vector<std::wstring> comboItems;
        std::vector<std::wstring> rows;
        std::vector<int> markers;
        const wchar_t* exitText;
        const wchar_t* descriptionOfSecondRow;
        COLORREF picture;
    } languages[] = {
        {"en",
         L"Disc",
         {L"English", L"German", L""},
         {L"Install", L"Everywhere"},
         {0, 1},
         L"Exit",
         L"English description",
         RGB(200, 0, 0)},
        {"de",
         L"Scheibe",
         {L"Englisch", L"Deutsch", L""},
         {L"Installieren", L"Nur deutsch", L"Everywhere"},
         {0, 1, 1},
         L"Beenden",
         L"Only German",
         RGB(0, 0, 200)},
        {"ru", L"", {L"", L"", L"Russian only"}, {L"Everywhere"}, {1}, L"", L"", RGB(0, 0, 200)},
    };
    const std::string english =
        RunningMenu::WriteBeside("en400.bmp", SolidBitmapFile(400, 300, RGB(200, 0, 0)));
    const std::string german =
        RunningMenu::WriteBeside("de200.bmp", SolidBitmapFile(200, 150, RGB(0, 0, 200)));
    RunningMenu menu("[Main]\r\nPicture_en=" + english + "\r\nPicture_de=" + german + "\r\n" +
                     kThreeLanguages);
    MainWindow& window = menu.Window();
    RECT before, after;
    GetWindowRect(menu.Dialog(), &before);
    // From here on the second row stays under the mouse.
    PointAtRow(menu, 1);
    for (int item = 0; item < 3; ++item) {
        const auto& expected = languages[item];
        SCOPED_TRACE(expected.code);
        if (item > 0) {
            ChooseLanguage(menu.Dialog(), item);
            PumpAllButMouse();
        }
        EXPECT_EQ(expected.code, window.CurrentLanguage());
        EXPECT_EQ(expected.caption, WindowCaption(menu.Dialog()));
        EXPECT_EQ(expected.comboItems, Items(window.Languages()));
        EXPECT_EQ(item, window.Languages().GetCurSel());
        ASSERT_EQ(expected.rows, Items(window.List()));
        for (int row = 0; row < window.List().Count(); ++row)
            EXPECT_EQ(expected.markers[row], window.List().ItemMarker(row)) << row;
        EXPECT_EQ(expected.exitText, window.Exit().Text());
        EXPECT_EQ(expected.descriptionOfSecondRow, window.Description().Text());
        GetWindowRect(menu.Dialog(), &after);
        EXPECT_EQ(EdgesOf(before), EdgesOf(after));
        UpdateWindow(menu.Dialog());
        EXPECT_EQ(expected.picture, ClientPixel(menu.Dialog(), 2, 2));
        EXPECT_EQ(expected.picture, ClientPixel(menu.Dialog(), 390, 290));
    }
    // Outside every caption, or for a row that does not exist, it clears.
    for (int row : {-1, 7}) {
        window.ShowDescription(0);
        window.ShowDescription(row);
        EXPECT_EQ(L"", window.Description().Text()) << row;
    }
}

// Real input: a click on the second item of the open list picks German, the
// arrow key goes back.
TEST_F(Window, TheUserChangesTheLanguageWithTheMouseAndTheArrowKeys)
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
    // Opened with a real click as well: the click makes the dialog the
    // active window, without which the open list may not take the next one.
    HWND combo = menu.Control(IDC_LANGUAGE_COMBO);
    RECT field;
    GetWindowRect(combo, &field);
    MovePointerTo(POINT{field.left + 10, (field.top + field.bottom) / 2}, [&] { menu.Pump(); });
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    ASSERT_TRUE(WaitUntil([&] {
        menu.Pump();
        return SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) != 0;
    }));
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    GetComboBoxInfo(combo, &info);
    RECT second;
    SendMessageA(info.hwndList, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
    POINT point = {second.left + 5, (second.top + second.bottom) / 2};
    ClientToScreen(info.hwndList, &point);
    MovePointerTo(point, [&] { menu.Pump(); });
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    waitFor("de", L"Scheibe");

    SetFocus(combo);
    keybd_event(VK_UP, 0, 0, 0);
    keybd_event(VK_UP, 0, KEYEVENTF_KEYUP, 0);
    waitFor("en", L"Disc");
}

} // namespace

namespace {

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
    const std::string path = folder.WriteFile("kiveron.lst", "[Element]\r\nName=One\r\n");
    // A module without the dialog resource.
    Application application(GetModuleHandleA("kernel32.dll"));
    MainWindow window(&application, path, "*");
    SetLastError(ERROR_SUCCESS);
    EXPECT_FALSE(window.Create());
    EXPECT_NE(static_cast<DWORD>(ERROR_SUCCESS), GetLastError());
    EXPECT_EQ(nullptr, window.Dialog());
}

} // namespace

namespace {

// What a dialog holds at the moment it is about to become visible, taken on
// the thread's own message hook: nothing the user could see may change after.
struct Sight {
    bool taken = false;
    std::wstring caption;
    RECT list = {};
    LRESULT rows = -1;
    bool comboShown = false;
};

Sight TakeSight(HWND dialog)
{
    Sight sight;
    sight.taken = true;
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
        topLevel && !firstSight.taken)
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

    ASSERT_TRUE(firstSight.taken);
    const Sight settled = TakeSight(menu.Dialog());
    EXPECT_EQ(L"First sight", firstSight.caption);
    EXPECT_TRUE(EqualRect(&settled.list, &firstSight.list))
        << "list first at " << firstSight.list.left << "," << firstSight.list.top << ", settled at "
        << settled.list.left << "," << settled.list.top;
    EXPECT_EQ(3, firstSight.rows);
    // One language: the chooser is hidden before anything shows.
    EXPECT_FALSE(firstSight.comboShown);
    EXPECT_EQ(settled.comboShown, firstSight.comboShown);
}

} // namespace
