// Dialog 102 as compiled into the executable: every field of the template,
// and the window that the dialog manager builds from it.
#include <gtest/gtest.h>

#include <string>

#include "dialog_template.h"
#include "module_resource.h"
#include "resources/resource_ids.h"

namespace {

constexpr WORD kListBoxAtom = 0x0083;
constexpr WORD kComboBoxAtom = 0x0085;
constexpr WORD kStaticAtom = 0x0082;

DialogTemplateEx MainDialogTemplate() {
    const ModuleResource resource(MAKEINTRESOURCEW(5) /* RT_DIALOG */, IDD_MAIN_DIALOG);
    DialogTemplateEx dialog;
    EXPECT_TRUE(resource.Found());
    EXPECT_TRUE(ParseDialogTemplateEx(resource.Data(), resource.Size(), dialog)) << "template cut short";
    return dialog;
}

struct ExpectedItem {
    DWORD id;
    WORD classAtom;
    DWORD exStyle;
    DWORD style;
    short x, y, cx, cy;
};

INT_PTR CALLBACK IgnoringDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

} // namespace

TEST(MainDialogTemplate, HeaderFields) {
    const DialogTemplateEx dialog = MainDialogTemplate();
    EXPECT_EQ(1, dialog.version);
    EXPECT_EQ(0xFFFF, dialog.signature) << "an extended template";
    EXPECT_EQ(0x90C808C8u, dialog.style);
    EXPECT_EQ(DWORD(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS |
                    DS_CENTER),
              dialog.style);
    EXPECT_EQ(DWORD(WS_EX_APPWINDOW), dialog.exStyle);
    EXPECT_EQ(0u, dialog.helpId);
    EXPECT_EQ(4, dialog.itemCount);
    EXPECT_EQ(0, dialog.x);
    EXPECT_EQ(0, dialog.y);
    EXPECT_EQ(320, dialog.cx);
    EXPECT_EQ(217, dialog.cy);
    EXPECT_EQ(0, dialog.menu.ordinal);
    EXPECT_EQ(L"", dialog.menu.text) << "no menu";
    EXPECT_EQ(0, dialog.windowClass.ordinal);
    EXPECT_EQ(L"", dialog.windowClass.text) << "no class";
    EXPECT_EQ(L" ", dialog.title) << "caption: one blank";
}

TEST(MainDialogTemplate, Font) {
    const DialogTemplateEx dialog = MainDialogTemplate();
    EXPECT_EQ(8, dialog.pointSize);
    EXPECT_EQ(400, dialog.weight);
    EXPECT_EQ(0, dialog.italic);
    EXPECT_EQ(204, dialog.charset);
    EXPECT_EQ(L"MS Shell Dlg", dialog.typeface);
}

TEST(MainDialogTemplate, ControlsInTemplateOrder) {
    const ExpectedItem expected[] = {
        {IDC_MENU_LIST, kListBoxAtom, WS_EX_TRANSPARENT, 0x50010161, 90, 51, 223, 107},
        {IDC_LANGUAGE_COMBO, kComboBoxAtom, 0, 0x50210013, 90, 195, 115, 64},
        {IDC_EXIT_LINK, kStaticAtom, WS_EX_TRANSPARENT, 0x5003010D, 226, 193, 87, 17},
        {IDC_DESCRIPTION, kStaticAtom, WS_EX_TRANSPARENT, 0x5002008D, 90, 163, 223, 28},
    };
    const DialogTemplateEx dialog = MainDialogTemplate();
    ASSERT_EQ(4u, dialog.items.size());
    for (size_t i = 0; i < 4; ++i) {
        const DialogItemTemplate& item = dialog.items[i];
        const ExpectedItem& want = expected[i];
        SCOPED_TRACE("control " + std::to_string(want.id));
        EXPECT_EQ(want.id, item.id);
        EXPECT_EQ(want.classAtom, item.windowClass.ordinal);
        EXPECT_EQ(want.exStyle, item.exStyle);
        EXPECT_EQ(want.style, item.style);
        EXPECT_EQ(want.x, item.x);
        EXPECT_EQ(want.y, item.y);
        EXPECT_EQ(want.cx, item.cx);
        EXPECT_EQ(want.cy, item.cy);
        EXPECT_EQ(L"", item.title.text);
        EXPECT_EQ(0, item.extraCount);
    }
}

TEST(MainDialogTemplate, StylesSpellTheirFlags) {
    const DialogTemplateEx dialog = MainDialogTemplate();
    ASSERT_EQ(4u, dialog.items.size());
    EXPECT_EQ(DWORD(WS_CHILD | WS_VISIBLE | WS_TABSTOP | LBS_NOTIFY | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS |
                    LBS_NOINTEGRALHEIGHT),
              dialog.items[0].style);
    EXPECT_EQ(DWORD(WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED),
              dialog.items[1].style);
    EXPECT_EQ(DWORD(WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | SS_NOTIFY | SS_OWNERDRAW), dialog.items[2].style);
    EXPECT_EQ(DWORD(WS_CHILD | WS_VISIBLE | WS_GROUP | SS_NOPREFIX | SS_OWNERDRAW), dialog.items[3].style);
}

TEST(MainDialogWindow, DialogManagerBuildsTheFourControls) {
    const HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_MAIN_DIALOG), nullptr,
                                           IgnoringDialogProc, 0);
    ASSERT_NE(nullptr, dialog) << "error " << GetLastError();
    EXPECT_TRUE(IsWindowVisible(dialog)) << "WS_VISIBLE in the template";
    WCHAR caption[8] = {};
    GetWindowTextW(dialog, caption, 8);
    EXPECT_STREQ(L" ", caption);

    const struct {
        int id;
        const char* className;
    } children[] = {{IDC_MENU_LIST, "ListBox"}, {IDC_LANGUAGE_COMBO, "ComboBox"}, {IDC_EXIT_LINK, "Static"},
                    {IDC_DESCRIPTION, "Static"}};
    HWND child = GetWindow(dialog, GW_CHILD);
    for (const auto& expected : children) {
        ASSERT_NE(nullptr, child) << "missing control " << expected.id;
        EXPECT_EQ(expected.id, GetDlgCtrlID(child)) << "creation order follows the template";
        char className[32] = {};
        GetClassNameA(child, className, sizeof className);
        EXPECT_STRCASEEQ(expected.className, className) << "control " << expected.id;
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(nullptr, child) << "no fifth control";

    DestroyWindow(dialog);
}
