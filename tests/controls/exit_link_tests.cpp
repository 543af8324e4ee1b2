// The exit link in the real dialog: only its text reacts to the mouse, and a
// button released over the text ends the menu.
#include "app/main_window.h"
#include "controls/exit_link.h"
#include "controls_fixture.h"
#include "resources/resource_ids.h"
#include "support/message_log.h"

namespace {

const HCURSOR kHand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDCUR_POINTING_HAND));
const HCURSOR kArrow = LoadCursorA(nullptr, IDC_ARROW);

class ExitLinkTest : public ControlsTest {
protected:
    ExitLinkTest()
        : ControlsTest("ExitText=Exit\r\n"), link(menu.Control(IDC_EXIT_LINK)), log(menu.Dialog())
    {
        GetClientRect(link, &client);
        text = InkBounds(Shown(), RECT{0, 0, client.right - 15, client.bottom});
        middle = (text.top + text.bottom) / 2;
    }

    Pixels Shown()
    {
        menu.Pump();
        UpdateWindow(menu.Dialog());
        return CaptureClient(link);
    }
    bool Underlined()
    {
        return HasUnderline(Shown(), RECT{text.left, text.top, text.right, client.bottom});
    }
    size_t Clicks() const { return log.Of(UM_EXITLINKCLICK).size(); }
    void ReleaseButtonAt(int x, int y) { SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }
    // Moves the pointer onto a point of the link; returns how often the
    // dialog repainted meanwhile.
    size_t PointAt(int x, int y)
    {
        POINT screen = {x, y};
        ClientToScreen(link, &screen);
        log.Clear();
        MovePointerTo(screen, [this] { menu.Pump(); });
        return log.Of(WM_PAINT).size();
    }

    HWND link;
    MessageLog log;
    RECT client = {};
    RECT text = {}; // the text's ink
    int middle = 0;
};

} // namespace

TEST_F(ExitLinkTest, OnlyAButtonUpOnTheTextEndsTheMenuWhereverTheButtonWentDown)
{
    ASSERT_GT(text.right, text.left);
    const int centre = (text.left + text.right) / 2;
    // The bullet, between text and bullet, left of, above and below the text.
    for (POINT miss : {POINT{client.right - 8, client.bottom / 2}, POINT{client.right - 14, middle},
                       POINT{text.left - 3, middle}, POINT{centre, text.top - 5},
                       POINT{centre, text.bottom + 5}})
        ReleaseButtonAt(miss.x, miss.y);
    menu.Pump();
    EXPECT_EQ(0u, Clicks());
    EXPECT_FALSE(menu.QuitSeen());

    // Pressed on the dialog's blank top left, released over the text's edge.
    auto button = [](DWORD flags) {
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = flags;
        SendInput(1, &input, sizeof(input));
    };
    POINT blank = {5, 5};
    ClientToScreen(menu.Dialog(), &blank);
    MovePointerTo(blank, [this] { menu.Pump(); });
    button(MOUSEEVENTF_LEFTDOWN);
    PointAt(text.left, middle);
    button(MOUSEEVENTF_LEFTUP);
    menu.Pump();
    EXPECT_EQ(1u, Clicks());
    EXPECT_TRUE(menu.QuitSeen());
}

TEST_F(ExitLinkTest, HandCursorAndUnderlineFollowTheText)
{
    EXPECT_FALSE(Underlined());
    EXPECT_EQ(0u, PointAt(text.left - 3, middle));
    EXPECT_EQ(kArrow, GetCursor());

    EXPECT_GE(PointAt(text.left + 1, middle), 1u);
    EXPECT_EQ(kHand, GetCursor());
    EXPECT_TRUE(Underlined());
    EXPECT_EQ(0u, PointAt(text.right - 2, middle)); // still on the text: nothing to repaint
    EXPECT_EQ(kHand, GetCursor());

    EXPECT_GE(PointAt(client.right - 8, client.bottom / 2), 1u); // the bullet
    EXPECT_EQ(kArrow, GetCursor());
    EXPECT_FALSE(Underlined());

    // The focus underlines the text too, wherever the pointer is.
    SetFocus(link);
    EXPECT_TRUE(Underlined());
    SetFocus(menu.Control(IDC_MENU_LIST));
    EXPECT_FALSE(Underlined());
}

TEST_F(ExitLinkTest, TextEndsAtTheRightEdgeUntilABulletTakesItsStripAndAnEmptyTextNeverHits)
{
    ExitLink object;
    ExtraControl extra(menu.Dialog(), "Static", SS_OWNERDRAW | SS_NOTIFY, 150, 30);
    object.Attach(&menu.Window(), extra.window);
    object.SetText(L"Exit");
    EXPECT_GE(InkBounds(DrawnBy(object, 150, 30)).right, 148);
    EXPECT_TRUE(object.TextHitTest(POINT{149, 15}));

    const COLORREF bulletRed = RGB(255, 1, 1);
    object.SetBullet(
        OwnedBitmap(LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_EXIT_BULLET))));
    const Pixels withBullet = DrawnBy(object, 150, 30);
    EXPECT_TRUE(HasColour(withBullet, bulletRed, RECT{137, 9, 148, 20}));
    EXPECT_FALSE(HasColour(withBullet, bulletRed, RECT{0, 0, 137, 30}));
    EXPECT_FALSE(HasColour(withBullet, GetSysColor(COLOR_WINDOWTEXT), RECT{135, 0, 137, 30}));
    for (int x : {134, 135, 149})
        EXPECT_EQ(x == 134, object.TextHitTest(POINT{x, 15})) << x;

    // In a control lower than the text the box starts at the top edge and
    // keeps the text's height of 16.
    SetWindowPos(extra.window, nullptr, 0, 0, 150, 8, SWP_NOZORDER | SWP_NOMOVE);
    for (int y : {0, 15, 16})
        EXPECT_EQ(y < 16, object.TextHitTest(POINT{130, y})) << y;

    // An empty text has no point that hits.
    object.SetText(L"");
    int hits = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 150; ++x)
            hits += object.TextHitTest(POINT{x, y}) ? 1 : 0;
    EXPECT_EQ(0, hits);
}
