// What a screen reader reads of the menu, asked from its own process as the
// system's accessibility proxies ask: the rows' list box strings, the window
// texts of the description, the exit link and the language chooser, and the
// chooser's item names. They follow the keys, a language change and a nested
// menu, on the NT family and on the Windows 9x family, where the texts are
// in the ANSI code page.
#include "disc.h"

#include <algorithm>
#include <vector>

#include "resources/resource_ids.h"

namespace {

// English and Russian; the second row opens a nested menu.
const char kMenu[] =
    "\xEF\xBB\xBF[Main]\r\nCaption=Reader disc\r\n"
    "ExitText_en=Exit\r\nExitText_ru=\xD0\x92\xD1\x8B\xD1\x85\xD0\xBE\xD0\xB4\r\n"
    "[Language]\r\nLocale=en\r\nName=English\r\n"
    "[Language]\r\nLocale=ru\r\nName=\xD0\xA0\xD1\x83\xD1\x81\xD1\x81\xD0\xBA\xD0\xB8\xD0\xB9\r\n"
    "[Element]\r\nName_en=Set-up\r\n"
    "Name_ru=\xD0\xA3\xD1\x81\xD1\x82\xD0\xB0\xD0\xBD\xD0\xBE\xD0\xB2\xD0\xBA\xD0\xB0\r\n"
    "Description_en=Installs it\r\n"
    "Description_ru=\xD0\xA1\xD1\x82\xD0\xB0\xD0\xB2\xD0\xB8\xD1\x82\r\n"
    "Command=\\setup.exe\r\n"
    "[Element]\r\nName_en=Tools\r\nName_ru=\xD0\xA1\xD0\xB5\xD1\x80\xD0\xB2\xD0\xB8\xD1\x81\r\n"
    "Command=\\tools.lst\r\n";
// Declares no language and no exit text: the menu keeps those it has.
const char kToolsMenu[] =
    "\xEF\xBB\xBF[Element]\r\nName_ru=\xD0\x94\xD0\xB8\xD1\x81\xD0\xBA\r\nDescription=\xD0\xAF\r\n";

const std::wstring kRussian = L"\x0420\x0443\x0441\x0441\x043A\x0438\x0439";

struct Shown {
    std::vector<std::wstring> rows;
    std::wstring description;
    std::wstring exitText;
    std::wstring chosen;
    std::vector<std::wstring> names;
};

// A window text through WM_GETTEXT, as a proxy asks for it.
std::wstring TextOf(HWND window)
{
    wchar_t text[256] = {};
    SendMessageW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return text;
}

// The item strings of a list box or a combo, each in a buffer as long as
// the control says the string is.
std::vector<std::wstring> ItemsOf(HWND control, UINT count, UINT length, UINT get)
{
    std::vector<std::wstring> items;
    const int n = static_cast<int>(SendMessageW(control, count, 0, 0));
    for (int i = 0; i < n; ++i) {
        const LRESULT size = SendMessageW(control, length, i, 0);
        std::wstring item(size > 0 ? static_cast<size_t>(size) : 0, L'\0');
        item.resize(1 + item.size());
        const LRESULT copied = SendMessageW(control, get, i, reinterpret_cast<LPARAM>(&item[0]));
        item.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
        items.push_back(item);
    }
    return items;
}

void ExpectShown(HWND dialog, const Shown& expected)
{
    const HWND combo = GetDlgItem(dialog, IDC_LANGUAGE_COMBO);
    EXPECT_EQ(expected.rows,
              ItemsOf(GetDlgItem(dialog, IDC_MENU_LIST), LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT));
    EXPECT_EQ(expected.description, TextOf(GetDlgItem(dialog, IDC_DESCRIPTION)));
    EXPECT_EQ(expected.exitText, TextOf(GetDlgItem(dialog, IDC_EXIT_LINK)));
    EXPECT_EQ(expected.chosen, TextOf(combo));
    EXPECT_EQ(expected.chosen, WindowCaption(combo)) << "the text the system keeps";
    EXPECT_EQ(expected.names, ItemsOf(combo, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT));
    // The item data is still the language's place among the declared ones.
    const int language = ChosenLanguage(dialog);
    ASSERT_TRUE(language >= 0 && language < static_cast<int>(expected.names.size())) << language;
    EXPECT_EQ(expected.chosen, expected.names[language]);
}

// The windows whose name changed, as the events report them.
std::vector<HWND> renamed;

void CALLBACK OnNameChange(HWINEVENTHOOK, DWORD, HWND window, LONG, LONG, DWORD, DWORD)
{
    renamed.push_back(window);
}

// Moves the menu's keyboard selection one row down and waits until the
// description's name change has been reported and its text is the one given.
bool StepDownTo(HWND dialog, const std::wstring& description)
{
    const HWND label = GetDlgItem(dialog, IDC_DESCRIPTION);
    renamed.clear();
    PostMessageA(GetDlgItem(dialog, IDC_MENU_LIST), WM_KEYDOWN, VK_DOWN, 1);
    return WaitUntil([&] {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        return std::find(renamed.begin(), renamed.end(), label) != renamed.end() &&
               TextOf(label) == description;
    });
}

class ScreenReader : public DiscTest {};

TEST_F(ScreenReader, ReadsEveryTextThroughLanguageChangesAndANestedMenuAlsoInTheAnsiCodePage)
{
    WriteOnDisc("kiveron.lst", kMenu);
    WriteOnDisc("tools.lst", kToolsMenu);
    const std::vector<std::wstring> names = {L"English", kRussian};
    const Shown english = {{L"Set-up", L"Tools"}, L"", L"Exit", L"English", names};
    const Shown russian = {{L"\x0423\x0441\x0442\x0430\x043D\x043E\x0432\x043A\x0430",
                            L"\x0421\x0435\x0440\x0432\x0438\x0441"},
                           L"",
                           L"\x0412\x044B\x0445\x043E\x0434",
                           kRussian,
                           names};
    const Shown tools = {{L"\x0414\x0438\x0441\x043A"}, L"", russian.exitText, kRussian, names};
    const struct {
        const char* version;
        std::vector<std::string> environment;
        bool english; // the language chosen at start
    } cases[] = {
        {"win10", {}, true},
        // Wine takes the user's language and the ANSI code page from LC_ALL.
        {"win98", {"LC_ALL=ru_RU.UTF-8"}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version);
        const std::string exeName = std::string("kiveron-reader-") + c.version + ".exe";
        const RegistryValue version(HKEY_CURRENT_USER, kWineAppDefaults + exeName, "Version",
                                    c.version);
        ASSERT_TRUE(version.set);
        SetCursorPos(0, 0); // off the dialog: a caption under it would be current
        MenuProcess menu(KIVERON_EXE, Root(), {"", exeName, c.environment});
        HWND dialog = menu.WaitForWindow(L"Reader disc");
        ASSERT_NE(nullptr, dialog);
        ASSERT_EQ(c.english, IsWindowUnicode(dialog) != FALSE) << "not the character set meant";
        DWORD processId = 0;
        GetWindowThreadProcessId(dialog, &processId);
        const HWINEVENTHOOK hook =
            SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, OnNameChange,
                            processId, 0, WINEVENT_OUTOFCONTEXT);
        ASSERT_NE(nullptr, hook);

        const std::wstring installs[] = {L"Installs it", L"\x0421\x0442\x0430\x0432\x0438\x0442"};
        ExpectShown(dialog, c.english ? english : russian);
        EXPECT_TRUE(StepDownTo(dialog, installs[c.english ? 0 : 1]));

        ChooseLanguage(dialog, c.english ? 1 : 0);
        ExpectShown(dialog, c.english ? russian : english);
        EXPECT_TRUE(StepDownTo(dialog, installs[c.english ? 1 : 0]));

        // The nested menu in Russian.
        ChooseLanguage(dialog, 1);
        ASSERT_TRUE(Activate(dialog, 1));
        ExpectShown(dialog, tools);
        EXPECT_TRUE(StepDownTo(dialog, L"\x042F"));

        UnhookWinEvent(hook);
        EXPECT_EQ(0u, menu.Close(dialog));
    }
}

} // namespace
