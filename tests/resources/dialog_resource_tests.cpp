// Dialog 102 as compiled into the executable: every field of its extended
// template in order.
#include <gtest/gtest.h>

#include "module_resource.h"
#include "resources/resource_ids.h"

TEST(MainDialog, TemplateFieldsInOrder)
{
    ModuleResource t(5 /* RT_DIALOG */, IDD_MAIN_DIALOG);
    ASSERT_NE(nullptr, t.data);
    const DWORD style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME |
                        DS_SETFONT | DS_FIXEDSYS | DS_CENTER;
    // version 1, extended (0xFFFF), help id, exstyle, style, 4 controls, x, y, cx, cy, no menu, no
    // class
    const DWORD header[] = {1, 0xFFFF, 0, WS_EX_APPWINDOW, style, 4, 0, 0, 320, 217, 0, 0};
    const int sizes[] = {2, 2, 4, 4, 4, 2, 2, 2, 2, 2, 2, 2};
    for (size_t i = 0; i < 12; ++i)
        EXPECT_EQ(header[i], sizes[i] == 2 ? t.Next<WORD>() : t.Next<DWORD>())
            << "header field " << i;
    EXPECT_EQ(L" ", t.NextString()) << "caption";
    EXPECT_EQ(8, t.Next<WORD>()) << "point size";
    EXPECT_EQ(400, t.Next<WORD>()) << "weight";
    EXPECT_EQ(0, t.Next<BYTE>()) << "not italic";
    EXPECT_EQ(204, t.Next<BYTE>()) << "charset";
    EXPECT_EQ(L"MS Shell Dlg", t.NextString());

    const struct {
        DWORD id, exStyle, style;
        WORD rect[4];
        WORD classAtom; // Static 0x82, ListBox 0x83, ComboBox 0x85
    } controls[] = {
        {IDC_MENU_LIST,
         WS_EX_TRANSPARENT,
         WS_CHILD | WS_VISIBLE | WS_TABSTOP | LBS_NOTIFY | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS |
             LBS_NOINTEGRALHEIGHT,
         {90, 51, 223, 107},
         0x83},
        {IDC_LANGUAGE_COMBO,
         0,
         WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED,
         {90, 195, 115, 64},
         0x85},
        {IDC_EXIT_LINK,
         WS_EX_TRANSPARENT,
         WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | SS_NOTIFY | SS_OWNERDRAW,
         {226, 193, 87, 17},
         0x82},
        {IDC_DESCRIPTION,
         WS_EX_TRANSPARENT,
         WS_CHILD | WS_VISIBLE | WS_GROUP | SS_NOPREFIX | SS_OWNERDRAW,
         {90, 163, 223, 28},
         0x82},
    };
    for (const auto& want : controls) {
        SCOPED_TRACE("control " + std::to_string(want.id));
        t.next = (t.next + 3) & ~size_t(3); // controls start on DWORD boundaries
        EXPECT_EQ(0u, t.Next<DWORD>()) << "help id";
        EXPECT_EQ(want.exStyle, t.Next<DWORD>());
        EXPECT_EQ(want.style, t.Next<DWORD>());
        for (WORD value : want.rect)
            EXPECT_EQ(value, t.Next<WORD>());
        EXPECT_EQ(want.id, t.Next<DWORD>());
        // class by atom, the atom, no title, no creation data
        for (WORD value : {WORD(0xFFFF), want.classAtom, WORD(0), WORD(0)})
            EXPECT_EQ(value, t.Next<WORD>());
    }
    EXPECT_TRUE(t.ok) << "template cut short";
    EXPECT_EQ(t.size, t.next) << "nothing after the fourth control";
}
