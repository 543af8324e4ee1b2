// The statics and the combo in the real dialog, and control objects bound to
// windows of the test's own: a second binding, an object gone.
#include <algorithm>

#include "controls/description_label.h"
#include "controls/exit_link.h"
#include "controls/language_combo.h"
#include "fixture.h"

TEST_F(ControlsTest, ExitLinkReactsOnlyOnItsTextAndEndsTheMenuOnAButtonUpThere)
{
    const HWND link = menu->Control(IDC_EXIT_LINK);
    RECT client;
    GetClientRect(link, &client);
    auto shown = [&] {
        menu->Pump();
        UpdateWindow(menu->Dialog());
        return CaptureClient(link);
    };
    const RECT text = InkBounds(shown(), RECT{0, 0, client.right - 15, client.bottom});
    const int middle = (text.top + text.bottom) / 2;
    auto underlined = [&] {
        return HasUnderline(shown(), RECT{text.left, text.top, text.right, client.bottom});
    };
    ASSERT_GT(text.right, text.left);
    // {x, y, on the text, repainted}: the dialog repaints only when that
    // changes; the last is the bullet.
    const int moves[][4] = {{text.left - 3, middle, 0, 0},
                            {text.left + 1, middle, 1, 1},
                            {text.right - 2, middle, 1, 0},
                            {client.right - 8, client.bottom / 2, 0, 1}};
    for (const auto& move : moves) {
        POINT screen = {move[0], move[1]};
        ClientToScreen(link, &screen);
        log->Clear();
        MovePointerTo(screen, [this] { menu->Pump(); });
        EXPECT_EQ(move[3] != 0, !log->Of(WM_PAINT).empty()) << move[0] << "," << move[1];
        EXPECT_EQ(move[2] ? kHand : kArrow, GetCursor()) << move[0] << "," << move[1];
        EXPECT_EQ(move[2] != 0, underlined()) << move[0] << "," << move[1];
    }
    SetFocus(link); // the focus underlines the text too, wherever the pointer is
    EXPECT_TRUE(underlined());
    // A button up ends the menu only on the text, wherever it went down: not
    // on the bullet, nor left of, above or below the text.
    for (POINT miss : {POINT{client.right - 8, client.bottom / 2}, POINT{text.left - 3, middle},
                       POINT{text.left + 2, text.top - 5}, POINT{text.left + 2, text.bottom + 5},
                       POINT{text.left, middle}})
        SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(miss.x, miss.y));
    menu->Pump();
    EXPECT_EQ(1u, log->Of(UM_EXITLINKCLICK).size());
    EXPECT_TRUE(menu->QuitSeen());
}

TEST_F(ControlsTest, ExitTextEndsAtTheRightEdgeUntilABulletTakesItsStripAndAnEmptyTextNeverHits)
{
    ExitLink object;
    const HWND window = Extra("Static", kLinkStyle);
    object.Attach(&menu->Window(), window);
    object.SetText(L"Exit");
    EXPECT_GE(InkBounds(DrawnBy(object, 150, 30)).right, 148);
    EXPECT_TRUE(object.TextHitTest(POINT{149, 15}));
    object.SetBullet(
        OwnedBitmap(LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_EXIT_BULLET))));
    const Pixels withBullet = DrawnBy(object, 150, 30);
    EXPECT_TRUE(HasColour(withBullet, RGB(255, 1, 1), RECT{137, 9, 148, 20})); // the bullet's red
    EXPECT_FALSE(HasColour(withBullet, RGB(255, 1, 1), RECT{0, 0, 137, 30}));
    EXPECT_FALSE(HasColour(withBullet, GetSysColor(COLOR_WINDOWTEXT), RECT{135, 0, 137, 30}));
    // {x, y, control height, hits}: in a control lower than the text the box
    // starts at the top edge and keeps the text's height of 16.
    const int points[][4] = {{134, 15, 30, 1}, {135, 15, 30, 0}, {149, 15, 30, 0},
                             {130, 0, 8, 1},   {130, 15, 8, 1},  {130, 16, 8, 0}};
    for (const auto& p : points) {
        SetWindowPos(window, nullptr, 0, 0, 150, p[2], SWP_NOZORDER | SWP_NOMOVE);
        EXPECT_EQ(p[3] != 0, object.TextHitTest(POINT{p[0], p[1]})) << p[0] << "," << p[1];
    }
    object.SetText(L"");
    EXPECT_FALSE(object.TextHitTest(POINT{130, 4}) || object.TextHitTest(POINT{149, 0}));
}

TEST_F(ControlsTest, DescriptionWrapsToWholeLinesEndingInAnEllipsisAndCutsAWideWordAtTheEdge)
{
    std::string words;
    for (int i = 0; i < 60; ++i)
        words += "lorem ipsum ";
    const std::string element = "[Element]\r\nName=Row\r\nDescription=";
    Open(element + "Short text\r\n" + element + words + "\r\n" + element + std::string(120, 'W') +
         "\r\n");
    RECT area;
    GetWindowRect(menu->Control(IDC_DESCRIPTION), &area);
    MapWindowPoints(nullptr, menu->Dialog(), reinterpret_cast<POINT*>(&area), 2);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    // The ink of the label and a margin right of and below it, in label
    // coordinates, once the list reported the row as current.
    auto inkForRow = [&](int row) {
        SendMessageA(menu->Dialog(), UM_CURRENTITEM, static_cast<WPARAM>(row), 0);
        menu->Pump();
        return InkBounds(CaptureClient(menu->Dialog(),
                                       RECT{area.left, area.top, area.right + 4, area.bottom + 2}));
    };
    const RECT line = inkForRow(0);
    EXPECT_TRUE(line.left < 3 && line.right < width / 2 && line.bottom < height * 2 / 3);
    EXPECT_EQ(0, inkForRow(-1).right);
    // No line is cut through the middle at the bottom edge.
    const RECT many = inkForRow(1);
    EXPECT_TRUE(many.bottom > height * 2 / 3 && many.bottom <= height - 2) << many.bottom;
    EXPECT_EQ(width, inkForRow(2).right);

    // An ampersand underlines the next character and takes no room; two show one.
    DescriptionLabel object;
    object.Attach(&menu->Window(), Extra("Static", SS_OWNERDRAW, 200, 40));
    RECT ink[3];
    for (int i = 0; i < 3; ++i) {
        object.SetText(std::vector<std::wstring>{L"WW", L"W&W", L"W&&W"}[i]);
        ink[i] = InkBounds(DrawnBy(object, 200, 40));
    }
    EXPECT_TRUE(ink[1].right == ink[0].right && ink[1].bottom > ink[0].bottom);
    EXPECT_TRUE(ink[2].right > ink[0].right && ink[2].bottom == ink[0].bottom);
}

TEST_F(ControlsTest, ComboFieldShowsTheSelectionHighlightedOnlyWhileFocused)
{
    const HWND combo = menu->Control(IDC_LANGUAGE_COMBO);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    GetComboBoxInfo(combo, &info);
    auto fieldShows = [&](int colour) {
        RedrawWindow(menu->Dialog(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        menu->Pump();
        return HasColour(CaptureClient(combo, info.rcItem), GetSysColor(colour));
    };
    SetFocus(combo);
    EXPECT_TRUE(fieldShows(COLOR_HIGHLIGHT) && fieldShows(COLOR_HIGHLIGHTTEXT));
    SetFocus(List());
    EXPECT_FALSE(fieldShows(COLOR_HIGHLIGHT));
    // Nothing selected: item -1 is not drawn, not even with the focus.
    SetFocus(combo);
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    EXPECT_FALSE(fieldShows(COLOR_HIGHLIGHT));
}

// Bound again, to the same window or to another, each window keeps a working
// procedure chain; an object that goes before its window gives the window its
// own procedure back, or a later message would look for the object gone. The
// statics' texts are their window texts, for screen readers, and setting them
// draws nothing before the owner has painted the picture under them again.
TEST_F(ControlsTest, ObjectsBoundAgainOrGoneLeaveEveryWindowWorking)
{
    const HWND leftCombo = Extra("ComboBox", kComboStyle, 100, 90);
    const HWND leftLink = Extra("Static", kLinkStyle);
    const HWND bound[] = {Extra("ComboBox", kComboStyle, 100, 90),
                          Extra("Static", SS_OWNERDRAW | WS_VISIBLE),
                          Extra("Static", kLinkStyle | WS_VISIBLE)};
    LONG_PTR ownProcedure[3];
    std::transform(bound, bound + 3, ownProcedure,
                   [](HWND window) { return GetWindowLongAuto(window, GWLP_WNDPROC); });
    {
        LanguageCombo combo;
        DescriptionLabel label;
        ExitLink exitLink;
        EXPECT_EQ(1, combo.AddItem(L"b") + combo.AddItem(L"a")); // while no control answers
        combo.Clear();
        combo.Attach(&menu->Window(), leftCombo);
        combo.AddItem(L"a");
        exitLink.Attach(&menu->Window(), leftLink);
        for (int binding = 0; binding < 2; ++binding) { // twice to the same window
            combo.Attach(&menu->Window(), bound[0]);
            label.Attach(&menu->Window(), bound[1]);
            exitLink.Attach(&menu->Window(), bound[2]);
        }
        combo.Clear(); // the items are counted from each clear
        EXPECT_EQ(1, combo.AddItem(L"b") + combo.AddItem(L"c"));
        EXPECT_EQ(1, SendMessageA(leftCombo, CB_GETCOUNT, 0, 0));
        EXPECT_EQ(2, SendMessageA(bound[0], CB_GETCOUNT, 0, 0));
        const Pixels erased = CaptureDrawing(40, 20, [&](HDC dc) { // the items cover the combo
            SendMessageA(bound[0], WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        });
        EXPECT_EQ(0, InkBounds(erased).right);
        menu->Pump();
        UpdateWindow(menu->Dialog());
        for (const std::wstring text : {L"Installs \x0444 & more", L"Exit"}) {
            log->Clear();
            label.SetText(text);
            exitLink.SetText(text);
            EXPECT_TRUE(log->Of(WM_DRAWITEM).empty()) << "drawn over the old text";
            for (HWND window : {bound[1], bound[2]}) {
                wchar_t shown[64] = {L'?'};
                GetWindowTextW(window, shown, 64);
                EXPECT_EQ(text, shown);
            }
        }
        for (HWND window : {leftLink, bound[2]}) {
            SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(147, 15)); // on the text
            menu->Pump();
            EXPECT_EQ(window == bound[2], menu->QuitSeen());
        }
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(ownProcedure[i], GetWindowLongAuto(bound[i], GWLP_WNDPROC)) << i;
        EXPECT_EQ(0, GetWindowLongAuto(bound[i], GWLP_USERDATA)) << i;
    }
    EXPECT_EQ(2, SendMessageA(bound[0], CB_ADDSTRING, 0, 0)); // a third item, its own
}
