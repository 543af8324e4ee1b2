// Dialog 102 as compiled into the executable: every field of its extended
// template in order, and the window that the dialog manager builds from it.
#include <gtest/gtest.h>

#include "module_resource.h"
#include "resources/resource_ids.h"

TEST(MainDialog, TemplateFieldsInOrder) {
    ModuleResource t(5 /* RT_DIALOG */, IDD_MAIN_DIALOG);
    ASSERT_NE(nullptr, t.data);
    EXPECT_EQ(1, t.Next<WORD>()) << "version";
    EXPECT_EQ(0xFFFF, t.Next<WORD>()) << "an extended template";
    EXPECT_EQ(0u, t.Next<DWORD>()) << "help id";
    EXPECT_EQ(DWORD(WS_EX_APPWINDOW), t.Next<DWORD>());
    EXPECT_EQ(DWORD(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS |
                    DS_CENTER), t.Next<DWORD>());
    EXPECT_EQ(4, t.Next<WORD>()) << "controls";
    for (short want : {0, 0, 320, 217})
        EXPECT_EQ(want, t.Next<short>()) << "position and size";
    EXPECT_EQ(0, t.Next<WORD>()) << "no menu";
    EXPECT_EQ(0, t.Next<WORD>()) << "no class";
    EXPECT_EQ(L" ", t.NextString()) << "caption";
    EXPECT_EQ(8, t.Next<WORD>()) << "point size";
    EXPECT_EQ(400, t.Next<WORD>()) << "weight";
    EXPECT_EQ(0, t.Next<BYTE>()) << "not italic";
    EXPECT_EQ(204, t.Next<BYTE>()) << "charset";
    EXPECT_EQ(L"MS Shell Dlg", t.NextString());

    const struct {
        DWORD id, exStyle, style;
        short rect[4];
        WORD classAtom; // Static 0x82, ListBox 0x83, ComboBox 0x85
    } controls[] = {
        {IDC_MENU_LIST, WS_EX_TRANSPARENT,
         WS_CHILD | WS_VISIBLE | WS_TABSTOP | LBS_NOTIFY | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
         {90, 51, 223, 107}, 0x83},
        {IDC_LANGUAGE_COMBO, 0, WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED,
         {90, 195, 115, 64}, 0x85},
        {IDC_EXIT_LINK, WS_EX_TRANSPARENT, WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | SS_NOTIFY | SS_OWNERDRAW,
         {226, 193, 87, 17}, 0x82},
        {IDC_DESCRIPTION, WS_EX_TRANSPARENT, WS_CHILD | WS_VISIBLE | WS_GROUP | SS_NOPREFIX | SS_OWNERDRAW,
         {90, 163, 223, 28}, 0x82},
    };
    for (const auto& want : controls) {
        SCOPED_TRACE("control " + std::to_string(want.id));
        t.next = (t.next + 3) & ~size_t(3); // controls start on DWORD boundaries
        EXPECT_EQ(0u, t.Next<DWORD>()) << "help id";
        EXPECT_EQ(want.exStyle, t.Next<DWORD>());
        EXPECT_EQ(want.style, t.Next<DWORD>());
        for (short value : want.rect)
            EXPECT_EQ(value, t.Next<short>());
        EXPECT_EQ(want.id, t.Next<DWORD>());
        EXPECT_EQ(0xFFFF, t.Next<WORD>()) << "class by atom";
        EXPECT_EQ(want.classAtom, t.Next<WORD>());
        EXPECT_EQ(0, t.Next<WORD>()) << "no title";
        EXPECT_EQ(0, t.Next<WORD>()) << "no creation data";
    }
    EXPECT_TRUE(t.ok) << "template cut short";
    EXPECT_EQ(t.size, t.next) << "nothing after the fourth control";
}

TEST(MainDialog, DialogManagerBuildsTheFourControls) {
    const HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_MAIN_DIALOG), nullptr,
                                           [](HWND, UINT message, WPARAM, LPARAM) -> INT_PTR {
                                               return message == WM_INITDIALOG;
                                           }, 0);
    ASSERT_NE(nullptr, dialog) << "error " << GetLastError();
    EXPECT_TRUE(IsWindowVisible(dialog));
    WCHAR caption[8] = {};
    GetWindowTextW(dialog, caption, 8);
    EXPECT_STREQ(L" ", caption);
    HWND child = GetWindow(dialog, GW_CHILD);
    for (const auto& want : {std::make_pair(IDC_MENU_LIST, "ListBox"), std::make_pair(IDC_LANGUAGE_COMBO, "ComboBox"),
                             std::make_pair(IDC_EXIT_LINK, "Static"), std::make_pair(IDC_DESCRIPTION, "Static")}) {
        ASSERT_NE(nullptr, child) << "missing control " << want.first;
        EXPECT_EQ(want.first, GetDlgCtrlID(child)) << "creation order follows the template";
        char className[32] = {};
        GetClassNameA(child, className, sizeof className);
        EXPECT_STRCASEEQ(want.second, className);
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(nullptr, child) << "no fifth control";
    DestroyWindow(dialog);
}
