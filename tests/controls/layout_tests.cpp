// The drawing rules that need no window.
#include <gtest/gtest.h>

#include "controls/combo_item_style.h"
#include "controls/exit_link_layout.h"

TEST(ExitLinkLayout, TextBoxAndBulletAtTheirBoundaries)
{
    const RECT control = {0, 0, 130, 29};
    // Right-aligned against the bullet strip, or against the edge without a
    // bullet; an odd leftover height is rounded down.
    const RECT withBullet = ExitLinkTextBox(control, SIZE{40, 16}, true);
    const RECT bare = ExitLinkTextBox(control, SIZE{40, 16}, false);
    EXPECT_EQ((std::vector<LONG>{75, 6, 115, 22}),
              (std::vector<LONG>{withBullet.left, withBullet.top, withBullet.right, withBullet.bottom}));
    EXPECT_EQ(130, bare.right);
    // Text as tall as the control or taller starts at its top edge.
    EXPECT_EQ(0, ExitLinkTextBox(RECT{0, 0, 100, 16}, SIZE{10, 16}, false).top);
    EXPECT_EQ(20, ExitLinkTextBox(RECT{0, 0, 100, 12}, SIZE{10, 20}, false).bottom);
    // The bullet: 2 pixels after the text area; a bullet taller than its area
    // rounds (10 - 11) / 2 toward zero.
    EXPECT_EQ(117, ExitLinkBulletOrigin(ExitLinkTextArea(control, true)).x);
    EXPECT_EQ(5, ExitLinkBulletOrigin(RECT{0, 5, 50, 15}).y);
    EXPECT_EQ(9, ExitLinkBulletOrigin(RECT{0, 5, 50, 25}).y);
}

TEST(ComboItemStyle, OnlySelectedItemsTakeTheHighlightColours)
{
    const ItemColours dc = {RGB(1, 2, 3), RGB(4, 5, 6)};
    const ItemColours selected = ComboItemColours(ODS_SELECTED | ODS_FOCUS, dc);
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHTTEXT), selected.text);
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), selected.background);
    for (UINT state : {0u, static_cast<UINT>(ODS_FOCUS), static_cast<UINT>(ODS_COMBOBOXEDIT)}) {
        EXPECT_EQ(dc.text, ComboItemColours(state, dc).text);
        EXPECT_EQ(dc.background, ComboItemColours(state, dc).background);
    }
    EXPECT_EQ(12, ComboItemTextArea(RECT{10, 3, 40, 19}).left);
}
