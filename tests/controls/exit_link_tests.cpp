// The exit link in the real dialog: only its text reacts to the mouse, and a
// button released over the text ends the menu.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "controls/exit_link.h"
#include "controls_fixture.h"
#include "resources/resource_ids.h"
#include "support/running_menu.h"

namespace {

WNDPROC dialogProc;
int exitClicks;
int dialogPaints;

// Watches the dialog: the link's messages and the repaints it asks for.
LRESULT CALLBACK WatchingDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    exitClicks += message == UM_EXITLINKCLICK;
    dialogPaints += message == WM_PAINT;
    return CallWindowProcW(dialogProc, window, message, wParam, lParam);
}

class ExitLinkTest : public ::testing::Test {
protected:
    explicit ExitLinkTest(const std::string& mainKeys = "ExitText=Exit\r\n")
        : menu(MenuWithPicture(mainKeys, "")), link(menu.Control(IDC_EXIT_LINK))
    {
        GetClientRect(link, &client);
        dialogProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
            menu.Dialog(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchingDialogProc)));
        exitClicks = 0;
        text = InkBounds(Shown(RECT{0, 0, client.right - 15, client.bottom}));
        middle = (text.top + text.bottom) / 2;
    }
    ~ExitLinkTest() override
    {
        SetWindowLongPtrW(menu.Dialog(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(dialogProc));
    }

    Pixels Shown(RECT box)
    {
        menu.Pump();
        UpdateWindow(menu.Dialog());
        return CaptureClient(link, box);
    }
    // A row of the text whose ink runs almost all the way across.
    bool Underlined()
    {
        const Pixels shown = Shown(RECT{text.left, text.top, text.right, client.bottom});
        for (int y = 0; y < shown.height; ++y) {
            int inked = 0;
            for (int x = 0; x < shown.width; ++x)
                inked += shown.At(x, y) != kPictureColour;
            if (inked * 10 >= shown.width * 9)
                return true;
        }
        return false;
    }

    void ReleaseButtonAt(int x, int y) { SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }
    // Moves the mouse onto a point of the link; returns how often the dialog
    // repainted meanwhile.
    int PointAt(int x, int y)
    {
        POINT screen = {x, y};
        ClientToScreen(link, &screen);
        dialogPaints = 0;
        MoveMouseTo(screen, [this] { menu.Pump(); });
        return dialogPaints;
    }

    const HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDCUR_POINTING_HAND));
    const HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    ParkedCursor parked;
    RunningMenu menu;
    HWND link;
    RECT client = {};
    RECT text = {}; // the text's ink
    int middle = 0;
};

class EmptyExitLinkTest : public ExitLinkTest {
protected:
    EmptyExitLinkTest() : ExitLinkTest("") {}
};

void SendLeftButton(DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
}

} // namespace

TEST_F(ExitLinkTest, OnlyAButtonUpOnTheTextEndsTheMenu)
{
    ASSERT_GT(text.right, text.left);
    const int centre = (text.left + text.right) / 2;
    ReleaseButtonAt(client.right - 8, client.bottom / 2); // the bullet
    ReleaseButtonAt(client.right - 14, middle);           // between text and bullet
    ReleaseButtonAt(text.left - 3, middle);               // left of the text
    ReleaseButtonAt(centre, text.top - 5);                // above it
    ReleaseButtonAt(centre, text.bottom + 5);             // below it
    menu.Pump();
    EXPECT_EQ(0, exitClicks);
    EXPECT_FALSE(menu.QuitSeen());

    ReleaseButtonAt(text.left, middle);
    EXPECT_EQ(1, exitClicks);
    menu.Pump();
    EXPECT_TRUE(menu.QuitSeen());
}

TEST_F(ExitLinkTest, ButtonPressedElsewhereAndReleasedOnTheTextEndsTheMenu)
{
    POINT blank = {5, 5};
    ClientToScreen(menu.Dialog(), &blank);
    MoveMouseTo(blank, [this] { menu.Pump(); });
    SendLeftButton(MOUSEEVENTF_LEFTDOWN);
    PointAt((text.left + text.right) / 2, middle);
    SendLeftButton(MOUSEEVENTF_LEFTUP);
    menu.Pump();
    EXPECT_EQ(1, exitClicks);
    EXPECT_TRUE(menu.QuitSeen());
}

TEST_F(ExitLinkTest, HandCursorAndUnderlineFollowTheText)
{
    EXPECT_FALSE(Underlined());
    EXPECT_EQ(0, PointAt(text.left - 3, middle));
    EXPECT_EQ(arrow, GetCursor());

    EXPECT_GE(PointAt(text.left + 1, middle), 1);
    EXPECT_EQ(hand, GetCursor());
    EXPECT_TRUE(Underlined());
    EXPECT_EQ(0, PointAt(text.right - 2, middle)); // still on the text: nothing to repaint
    EXPECT_EQ(hand, GetCursor());

    EXPECT_GE(PointAt(client.right - 8, client.bottom / 2), 1); // the bullet
    EXPECT_EQ(arrow, GetCursor());
    EXPECT_FALSE(Underlined());

    // The focus underlines the text too, wherever the mouse is.
    SetFocus(link);
    EXPECT_TRUE(Underlined());
    SetFocus(menu.Control(IDC_MENU_LIST));
    EXPECT_FALSE(Underlined());
}

TEST_F(EmptyExitLinkTest, NoPointOfAnEmptyLinkReacts)
{
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x)
            ReleaseButtonAt(x, y);
    menu.Pump();
    EXPECT_EQ(0, exitClicks);
    EXPECT_FALSE(menu.QuitSeen());
    for (int x : {2, static_cast<int>(client.right) / 2, static_cast<int>(client.right) - 16}) {
        PointAt(x, client.bottom / 2);
        EXPECT_EQ(arrow, GetCursor()) << x;
    }
}

TEST_F(ExitLinkTest, TextEndsAtTheRightEdgeUntilABulletTakesItsStrip)
{
    ExitLink object;
    ExtraControl extra(menu.Dialog(), "Static", SS_OWNERDRAW | SS_NOTIFY, 150, 30);
    object.Attach(&menu.Window(), extra.window);
    object.SetText(L"Exit");
    auto draw = [&] {
        return CaptureDrawing(150, 30, [&](HDC dc) {
            DRAWITEMSTRUCT item = {};
            item.hDC = dc;
            item.rcItem = RECT{0, 0, 150, 30};
            object.DrawItem(item);
        });
    };
    const COLORREF bulletRed = RGB(255, 1, 1);

    EXPECT_GE(InkBounds(draw()).right, 148);
    EXPECT_TRUE(object.TextHitTest(POINT{149, 15}));

    object.SetBullet(LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_EXIT_BULLET)));
    const Pixels withBullet = draw();
    EXPECT_TRUE(HasColour(withBullet, RECT{137, 9, 148, 20}, bulletRed));
    EXPECT_FALSE(HasColour(withBullet, RECT{0, 0, 137, 30}, bulletRed));
    EXPECT_FALSE(HasColour(withBullet, RECT{135, 0, 137, 30}, GetSysColor(COLOR_WINDOWTEXT)));
    EXPECT_FALSE(object.TextHitTest(POINT{149, 15}));
    EXPECT_FALSE(object.TextHitTest(POINT{135, 15}));
    EXPECT_TRUE(object.TextHitTest(POINT{134, 15}));

    // In a control lower than the text the box starts at the top edge and
    // keeps the text's height of 16.
    SetWindowPos(extra.window, nullptr, 0, 0, 150, 8, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_TRUE(object.TextHitTest(POINT{130, 0}));
    EXPECT_TRUE(object.TextHitTest(POINT{130, 15}));
    EXPECT_FALSE(object.TextHitTest(POINT{130, 16}));
}
