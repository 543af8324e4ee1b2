// The exit link in the real dialog, and control objects bound to windows of
// the test's own: the description's text, a second binding, an object gone.
#include <set>

#include "controls/description_label.h"
#include "controls/exit_link.h"
#include "controls/language_combo.h"
#include "fixture.h"
#include "support/menu_process.h"

TEST_F(ControlsTest, ExitLinkReactsOnlyOnItsTextAndEndsTheMenuOnAButtonUpThere)
{
    const HWND link = menu->Control(IDC_EXIT_LINK);
    RECT client;
    GetClientRect(link, &client);
    const RECT left = {0, 0, client.right - 15, client.bottom}; // all but the bullet
    const RECT text = InkBounds(Shown(link), left);
    const int middle = (text.top + text.bottom) / 2;
    // {x, y, on the text}: left of it, its first column, its end, above, below
    // and on the bullet.
    const int points[][3] = {
        {text.left - 3, middle, 0},          {text.left, middle, 1},
        {text.right - 2, middle, 1},         {text.left + 2, text.top - 5, 0},
        {text.left + 2, text.bottom + 5, 0}, {client.right - 8, client.bottom / 2, 0}};
    for (const auto& p : points) {
        POINT screen = {p[0], p[1]};
        ClientToScreen(link, &screen);
        MovePointerTo(screen, [this] { menu->Pump(); });
        EXPECT_EQ(p[2] ? kHand : kArrow, GetCursor()) << p[0] << "," << p[1];
        EXPECT_EQ(p[2] != 0, HasUnderline(Shown(link), left)) << p[0] << "," << p[1];
    }
    SetFocus(link); // the focus underlines the text too, wherever the pointer is
    EXPECT_TRUE(HasUnderline(Shown(link), left));
    // A button up ends the menu only on the text, wherever it went down.
    for (const auto& p : points)
        SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(p[0], p[1]));
    menu->Pump();
    EXPECT_EQ(2u, log->Of(UM_EXITLINKCLICK).size());
    EXPECT_TRUE(menu->QuitSeen());
}

// Wrapped to whole lines: a text that runs past the bottom ends its last
// whole line with an ellipsis, so as the label grows pixel by pixel its ink
// grows by whole lines of 13 or more, never by a line cut through the middle.
// A word wider than the label is cut at the edge; an ampersand underlines the
// next character and takes no room, two show one.
TEST_F(ControlsTest, DescriptionShowsWholeLinesAndCutsAWideWordAtTheEdge)
{
    DescriptionLabel object;
    object.Attach(&menu->Window(), Extra("Static", SS_OWNERDRAW, 200, 40));
    // The ink of the text as the label draws it over the picture.
    auto ink = [&](const std::wstring& text, int height) {
        object.SetText(text);
        return InkBounds(CaptureDrawing(200, height, [&](HDC dc) {
            DRAWITEMSTRUCT item = {};
            item.hDC = dc;
            item.rcItem = RECT{0, 0, 200, height};
            object.DrawItem(item);
        }));
    };
    const std::wstring words = L"The installer copies the programs to your disk and adds "
                               L"them to the start menu; it asks before replacing a file.";
    std::set<LONG> bottoms;
    for (int height = 30; height < 42; ++height)
        bottoms.insert(ink(words, height).bottom);
    EXPECT_LE(bottoms.size(), 2u);
    EXPECT_GE(ink(std::wstring(120, L'W'), 40).right, 198);
    EXPECT_EQ(0, ink(L"", 40).right);
    const RECT plain = ink(L"WW", 40), prefixed = ink(L"W&W", 40), doubled = ink(L"W&&W", 40);
    EXPECT_TRUE(prefixed.right == plain.right && prefixed.bottom > plain.bottom);
    EXPECT_TRUE(doubled.right > plain.right && doubled.bottom == plain.bottom);
}

// The chooser's field shows the chosen language highlighted only while the
// chooser has the focus, and no language at all when none is chosen.
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
    const HWND leftLink = Extra("Static", SS_OWNERDRAW | SS_NOTIFY);
    const HWND bound[] = {Extra("ComboBox", CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED, 100, 90),
                          Extra("Static", SS_OWNERDRAW | WS_VISIBLE),
                          Extra("Static", SS_OWNERDRAW | SS_NOTIFY | WS_VISIBLE)};
    LONG_PTR ownProcedure[3];
    for (int i = 0; i < 3; ++i)
        ownProcedure[i] = GetWindowLongAuto(bound[i], GWLP_WNDPROC);
    {
        LanguageCombo combo;
        DescriptionLabel label;
        ExitLink exitLink;
        exitLink.Attach(&menu->Window(), leftLink);
        for (int binding = 0; binding < 2; ++binding) { // twice to the same window
            combo.Attach(&menu->Window(), bound[0]);
            label.Attach(&menu->Window(), bound[1]);
            exitLink.Attach(&menu->Window(), bound[2]);
            combo.AddItem(L"a");
        }
        combo.Clear(); // the items are counted from each clear
        EXPECT_EQ(1, combo.AddItem(L"b") + combo.AddItem(L"c"));
        PumpAll();
        log->Clear();
        const std::wstring text = L"Installs \x0444 & more";
        label.SetText(text);
        exitLink.SetText(text);
        EXPECT_TRUE(log->Of(WM_DRAWITEM).empty()) << "drawn over the old text";
        EXPECT_EQ(text, WindowCaption(bound[1]));
        EXPECT_EQ(text, WindowCaption(bound[2]));
        // Without a bullet the text ends at the right edge; without a text
        // nothing is the text.
        for (HWND window : {leftLink, bound[2]}) {
            SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(147, 15));
            menu->Pump();
            EXPECT_EQ(window == bound[2], menu->QuitSeen());
        }
        exitLink.SetText(L"");
        EXPECT_FALSE(exitLink.TextHitTest(POINT{147, 15}));
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(ownProcedure[i], GetWindowLongAuto(bound[i], GWLP_WNDPROC)) << i;
        EXPECT_EQ(0, GetWindowLongAuto(bound[i], GWLP_USERDATA)) << i;
    }
    EXPECT_EQ(2, SendMessageA(bound[0], CB_ADDSTRING, 0, 0)); // a third item, its own
}
