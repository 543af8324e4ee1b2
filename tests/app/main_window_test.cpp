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
    "ExitText_en=Exit\r\n"
    "[Language]\r\nLocale=en\r\nName=English\r\n"
    "[Language]\r\nLocale=de\r\nName=Deutsch\r\n"
    "[Element]\r\nName_en=Install\r\nDescription_en=Installs it\r\nCommand=setup.exe\r\n"
    "[Element]\r\nName_de=Nur deutsch\r\nDescription=Only German\r\n"
    "[Element]\r\nName=Read me\r\nDescription=The readme\r\nMarker=secondary\r\n";

std::string WithPicture(const std::string& menu, const std::string& picturePath)
{
    return "[Main]\r\nPicture=" + picturePath + "\r\n" + menu;
}

RECT ClientRect(HWND window)
{
    RECT rect;
    GetClientRect(window, &rect);
    return rect;
}

RECT WindowRect(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    return rect;
}

RECT NormalPosition(HWND control)
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    GetWindowPlacement(control, &placement);
    return placement.rcNormalPosition;
}

void ExpectRectEq(const RECT& expected, const RECT& actual, const char* what)
{
    EXPECT_EQ(expected.left, actual.left) << what;
    EXPECT_EQ(expected.top, actual.top) << what;
    EXPECT_EQ(expected.right, actual.right) << what;
    EXPECT_EQ(expected.bottom, actual.bottom) << what;
}

bool UserIsEnglish()
{
    return LanguageCodeForUser(GetUserDefaultLangID()) == "en";
}

TEST(MainWindow, CaptionAndRowsFollowTheStartupLanguage)
{
    if (!UserIsEnglish())
        GTEST_SKIP() << "needs a user language that maps to en";
    RunningMenu menu(kTwoLanguages);
    EXPECT_EQ("en", menu.Window().CurrentLanguage());
    EXPECT_EQ(L"English caption", WindowCaption(menu.Dialog()));

    // The German-only entry gets no row: rows 0 and 1 show elements 0 and 2.
    EXPECT_EQ(2, SendMessageA(menu.Control(IDC_MENU_LIST), LB_GETCOUNT, 0, 0));
    EXPECT_EQ(0, menu.Window().ElementOfRow(0));
    EXPECT_EQ(2, menu.Window().ElementOfRow(1));
    EXPECT_EQ(-1, menu.Window().ElementOfRow(2));
    EXPECT_EQ(-1, menu.Window().ElementOfRow(-1));
    EXPECT_TRUE(IsWindowVisible(menu.Control(IDC_LANGUAGE_COMBO)));
}

TEST(MainWindow, WithoutLanguagesOnlyUnsuffixedTextsShowAndTheComboHides)
{
    RunningMenu menu("[Main]\nCaption_en=English\nCaption=Plain\n"
                     "[Element]\nName_en=Hidden\n[Element]\nName=Shown\n");
    EXPECT_EQ("*", menu.Window().CurrentLanguage());
    EXPECT_EQ(L"Plain", WindowCaption(menu.Dialog()));
    EXPECT_EQ(1, SendMessageA(menu.Control(IDC_MENU_LIST), LB_GETCOUNT, 0, 0));
    EXPECT_EQ(1, menu.Window().ElementOfRow(0));
    EXPECT_FALSE(IsWindowVisible(menu.Control(IDC_LANGUAGE_COMBO)));
}

TEST(MainWindow, OneLanguageHidesTheCombo)
{
    RunningMenu menu("[Language]\nLocale=en\nName=English\n[Element]\nName=Row\n");
    EXPECT_FALSE(IsWindowVisible(menu.Control(IDC_LANGUAGE_COMBO)));
}

TEST(MainWindow, AnEmptyCaptionReplacesTheTemplateBlank)
{
    RunningMenu menu("[Element]\nName=Row\n");
    EXPECT_EQ(L"", WindowCaption(menu.Dialog()));
}

TEST(MainWindow, WithoutAPictureTheTemplateSizeStays)
{
    RunningMenu menu("[Main]\nPicture=Z:\\nowhere\\missing.bmp\n[Element]\nName=Row\n");
    RECT templateSize = {0, 0, 320, 217};
    MapDialogRect(menu.Dialog(), &templateSize);
    const RECT client = ClientRect(menu.Dialog());
    EXPECT_EQ(templateSize.right, client.right);
    EXPECT_EQ(templateSize.bottom, client.bottom);
    EXPECT_FALSE(menu.Window().Picture().HasImage());
}

TEST(MainWindow, FitsItselfToThePictureFromItsTopLeftCorner)
{
    // The template's own geometry, centred, before any fitting.
    RECT plainWindow, plainClient;
    RECT plainControls[4];
    const int ids[4] = {IDC_LANGUAGE_COMBO, IDC_MENU_LIST, IDC_DESCRIPTION, IDC_EXIT_LINK};
    {
        RunningMenu plain(kTwoLanguages);
        plainWindow = WindowRect(plain.Dialog());
        plainClient = ClientRect(plain.Dialog());
        for (int i = 0; i < 4; ++i)
            plainControls[i] = NormalPosition(plain.Control(ids[i]));
    }

    const std::string picture = RunningMenu::WriteBeside("fit640.bmp", SolidBitmapFile(640, 480, RGB(0, 128, 0)));
    RunningMenu menu(WithPicture(kTwoLanguages, picture));
    ASSERT_TRUE(menu.Window().Picture().HasImage());

    const RECT client = ClientRect(menu.Dialog());
    EXPECT_EQ(640, client.right);
    EXPECT_EQ(480, client.bottom);
    const RECT frame = WindowRect(menu.Dialog());
    EXPECT_EQ(plainWindow.left, frame.left);
    EXPECT_EQ(plainWindow.top, frame.top);
    EXPECT_EQ(640 + 2 * GetSystemMetrics(SM_CXDLGFRAME), frame.right - frame.left);
    EXPECT_EQ(480 + 2 * GetSystemMetrics(SM_CYDLGFRAME) + GetSystemMetrics(SM_CYCAPTION),
              frame.bottom - frame.top);

    const double sx = 640.0 / plainClient.right;
    const double sy = 480.0 / plainClient.bottom;
    const char* names[4] = {"combo", "list", "description", "exit link"};
    for (int i = 0; i < 4; ++i) {
        const bool rounded = ids[i] == IDC_LANGUAGE_COMBO || ids[i] == IDC_MENU_LIST;
        const RECT expected = ScaleRect(plainControls[i], sx, sy, rounded);
        // The combo's height is its own (a drop-down list sizes itself), so
        // only its position and width follow the scaling.
        RECT actual = NormalPosition(menu.Control(ids[i]));
        if (ids[i] == IDC_LANGUAGE_COMBO)
            actual.bottom = expected.bottom;
        ExpectRectEq(expected, actual, names[i]);
    }

    // The open list keeps its share of the dialog rather than shrinking to
    // the closed field's height.
    {
        RECT droppedBefore, droppedAfter;
        RunningMenu plain(kTwoLanguages);
        SendMessageA(plain.Control(IDC_LANGUAGE_COMBO), CB_GETDROPPEDCONTROLRECT, 0,
                     reinterpret_cast<LPARAM>(&droppedBefore));
        SendMessageA(menu.Control(IDC_LANGUAGE_COMBO), CB_GETDROPPEDCONTROLRECT, 0,
                     reinterpret_cast<LPARAM>(&droppedAfter));
        // The list keeps to whole items, so it may come out up to one item
        // shorter than the scaled height.
        const LONG expected = ScaleEdge(droppedBefore.bottom - droppedBefore.top, sy, true);
        const LONG itemHeight = static_cast<LONG>(
            SendMessageA(menu.Control(IDC_LANGUAGE_COMBO), CB_GETITEMHEIGHT, 0, 0));
        EXPECT_LE(droppedAfter.bottom - droppedAfter.top, expected);
        EXPECT_GE(droppedAfter.bottom - droppedAfter.top, expected - itemHeight);
        EXPECT_GT(droppedAfter.bottom - droppedAfter.top, 3 * (plainControls[0].bottom - plainControls[0].top));
    }

    // The picture is what the dialog shows where no control covers it.
    UpdateWindow(menu.Dialog());
    EXPECT_EQ(RGB(0, 128, 0), ClientPixel(menu.Dialog(), 5, 5));
    EXPECT_EQ(RGB(0, 128, 0), ClientPixel(menu.Dialog(), 639, 479));
}

TEST(MainWindow, FitsItselfToATopDownPictureByItsRows)
{
    const std::string picture = RunningMenu::WriteBeside("topdown.bmp", SolidBitmapFile(300, 200, RGB(9, 9, 9), true));
    RunningMenu menu(WithPicture(kTwoLanguages, picture));
    ASSERT_TRUE(menu.Window().Picture().HasImage());
    const RECT client = ClientRect(menu.Dialog());
    EXPECT_EQ(300, client.right);
    EXPECT_EQ(200, client.bottom);
}

} // namespace
