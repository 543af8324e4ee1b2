// The real main window inside the test process: start-up language, caption,
// fitting to the picture, the combo's visibility and the rows of a menu.
#include <gtest/gtest.h>

#include "app/main_window_rules.h"
#include "resources/resource_ids.h"
#include "support/menu_process.h"
#include "support/running_menu.h"

namespace {

const char kTwoLanguages[] =
    "[Main]\r\nCaption=Any language\r\nCaption_en=English caption\r\nCaption_de=Deutsch\r\n"
    "[Language]\r\nLocale=de\r\nName=Deutsch\r\n"
    "[Language]\r\nLocale=en\r\nName=English\r\n"
    "[Element]\r\nName_en=Install\r\nCommand=setup.exe\r\n"
    "[Element]\r\nName_de=Nur deutsch\r\n"
    "[Element]\r\nName=Read me\r\n";

std::string WithPicture(const std::string& name, const std::string& bitmapFile)
{
    return "[Main]\r\nPicture=" + RunningMenu::WriteBeside(name, bitmapFile) + "\r\n" +
           kTwoLanguages;
}

RECT ClientRect(HWND window)
{
    RECT rect;
    GetClientRect(window, &rect);
    return rect;
}

RECT NormalPosition(HWND window)
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    GetWindowPlacement(window, &placement);
    return placement.rcNormalPosition;
}

std::string Describe(const RECT& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "-" + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

TEST(MainWindow, CaptionComboAndRowsFollowTheStartupLanguage)
{
    if (LanguageCodeForUser(GetUserDefaultLangID()) != "en")
        GTEST_SKIP() << "needs a user language that maps to en";
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
         "[Element]\nName=Shown\n", "*", L"Plain", {1}, false, -1},
        // No caption at all replaces the template's.
        {"[Language]\nLocale=en\nName=English\n[Element]\nName=Row\n", "en", L"", {0}, false, 0},
        {"[Language]\nLocale=fr\nName=Francais\n[Language]\nLocale=ru\nName=Russkij\n"
         "[Element]\nName=Row\n", "*", L"", {0}, true, 0},
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
                      menu.Window().ElementOfRow(row)) << row;
        EXPECT_EQ(c.comboShown, IsWindowVisible(menu.Control(IDC_LANGUAGE_COMBO)) != FALSE);
        EXPECT_EQ(c.comboSelected, menu.Window().Languages().GetCurSel());
    }
}

TEST(MainWindow, ATopDownPictureFitsByItsRowsAndNoPictureKeepsTheTemplateSize)
{
    RECT templateSize = {0, 0, 320, 217};
    {
        RunningMenu menu("[Main]\nPicture=Z:\\nowhere\\missing.bmp\n[Element]\nName=Row\n");
        EXPECT_FALSE(menu.Window().Picture().HasImage());
        MapDialogRect(menu.Dialog(), &templateSize);
        EXPECT_EQ(Describe(templateSize), Describe(ClientRect(menu.Dialog())));
    }
    RunningMenu menu(WithPicture("topdown.bmp", SolidBitmapFile(300, 200, RGB(9, 9, 9), true)));
    ASSERT_TRUE(menu.Window().Picture().HasImage());
    EXPECT_EQ("0,0-300,200", Describe(ClientRect(menu.Dialog())));
}

TEST(MainWindow, FitsItselfToThePictureFromItsTopLeftCorner)
{
    // The template's own geometry, centred, before any fitting.
    const int ids[4] = {IDC_LANGUAGE_COMBO, IDC_MENU_LIST, IDC_DESCRIPTION, IDC_EXIT_LINK};
    RECT plainWindow, plainClient, plainDropped, plainControls[4];
    {
        RunningMenu plain(kTwoLanguages);
        GetWindowRect(plain.Dialog(), &plainWindow);
        plainClient = ClientRect(plain.Dialog());
        for (int i = 0; i < 4; ++i)
            plainControls[i] = NormalPosition(plain.Control(ids[i]));
        SendMessageA(plain.Control(IDC_LANGUAGE_COMBO), CB_GETDROPPEDCONTROLRECT, 0,
                     reinterpret_cast<LPARAM>(&plainDropped));
    }

    RunningMenu menu(WithPicture("fit640.bmp", SolidBitmapFile(640, 480, RGB(0, 128, 0))));
    ASSERT_TRUE(menu.Window().Picture().HasImage());
    EXPECT_EQ("0,0-640,480", Describe(ClientRect(menu.Dialog())));
    RECT frame;
    GetWindowRect(menu.Dialog(), &frame);
    EXPECT_EQ(plainWindow.left, frame.left);
    EXPECT_EQ(plainWindow.top, frame.top);
    EXPECT_EQ(640 + 2 * GetSystemMetrics(SM_CXDLGFRAME), frame.right - frame.left);
    EXPECT_EQ(480 + 2 * GetSystemMetrics(SM_CYDLGFRAME) + GetSystemMetrics(SM_CYCAPTION),
              frame.bottom - frame.top);

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
        EXPECT_EQ(Describe(expected), Describe(actual)) << "control " << ids[i];
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

} // namespace
