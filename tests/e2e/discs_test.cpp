// The real kiveron.exe on discs as authors make them, one row a start: the
// disc's files come from discs/<name> of the sources (or the sample disc),
// the programs and viewers it offers are a stand-in that records how it was
// started. Every start ends, closed, with exit code 0.
#include <gtest/gtest.h>
#include <shlobj.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "app/launch_candidates.h"
#include "disc.h"
#include "platform/text_helpers.h"
#include "platform/text_layer.h"
#include "resources/resource_ids.h"
#include "support/held_file.h"
#include "support/menu_process.h"
#include "support/running_menu.h"

namespace {

struct Session {
    const Disc& disc;
    MenuProcess& menu;
    HWND dialog;
};

struct Scenario {
    const char* name;
    const char* disc;       // a folder of discs/; the sample disc when null, no files when empty
    const wchar_t* caption; // of the first window; any when empty
    void (*play)(const Session&, int);
    int arg = 0;
    const char* version = "win10";       // what Wine reports to the program
    const char* locale = nullptr;        // the user's: Wine takes language and code page from it
    const char* exeName = "kiveron.exe"; // it may lie in a folder of the disc
};

const POINT kCorner = {4, 4};
const COLORREF kRed = RGB(180, 40, 40);
const COLORREF kBlue = RGB(30, 60, 170);

RECT ScreenRectOf(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    return rect;
}

int PixelsUnlike(const Pixels& pixels, COLORREF colour)
{
    return static_cast<int>(std::count_if(pixels.colours.begin(), pixels.colours.end(),
                                          [colour](COLORREF pixel) { return pixel != colour; }));
}

// The program started as "<root><program><arguments>" from the disc root.
void ExpectStarted(const Session& run, const std::string& program,
                   const std::string& arguments = "")
{
    EXPECT_EQ(run.disc.PathOf(program) + arguments + "\n" + run.disc.Root() + "\n",
              run.disc.Record(program));
}

bool SaveShortcut(const std::string& target, const std::string& path)
{
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    CoInitialize(nullptr);
    bool saved = SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                            IID_IShellLinkA, reinterpret_cast<void**>(&link)));
    saved = saved && SUCCEEDED(link->SetPath(target.c_str())) &&
            SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
            SUCCEEDED(file->Save(std::wstring(path.begin(), path.end()).c_str(), TRUE));
    if (file != nullptr)
        file->Release();
    if (link != nullptr)
        link->Release();
    CoUninitialize();
    return saved;
}

// Programs get their arguments, documents their program, shortcuts their
// target with the arguments given after them; an entry without a command, a
// name that is not there, a menu file name in capitals, no program inside a
// program's name and a program someone holds locked start nothing.
void Launching(const Session& run, int fromFolder)
{
    // From the root the program is found first where tried first; from a
    // folder of the disc second, the folder keeping its trailing separator.
    const std::string program = fromFolder ? "menu\\setup\\install.exe" : "setup\\install.exe";
    const std::string started = fromFolder ? "menu\\\\setup\\install.exe" : program;
    for (const std::string& name : {program, std::string("viewer\\viewer.exe"),
                                    std::string("tools\\target.exe"), std::string("locked.exe")})
        run.disc.PutRecorder(name);
    const HeldFile locked(run.disc.PathOf("locked.exe"), GENERIC_READ, 0);
    // Rows 0-6 start nothing and leave the menu as it was. (The first program
    // on Wine's desktop may have started the desktop's own process.)
    const std::vector<DWORD> before = run.menu.ChildProcessIds();
    for (int row = 0; row < 7; ++row) {
        ASSERT_TRUE(Activate(run.dialog, row)) << "the activation waits, for a box perhaps";
        EXPECT_EQ(before, run.menu.ChildProcessIds()) << row;
        EXPECT_EQ(std::vector<HWND>{run.dialog}, run.menu.TopLevelWindows()) << row;
        EXPECT_EQ(10, RowCount(run.dialog)) << row;
    }
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(run.disc.PathOf("locked.txt").c_str()));
    // Registered in the classes root itself: Wine's shell does not look at the
    // user's own classes.
    const RegistryValue type(HKEY_CLASSES_ROOT, ".kivdoc", nullptr, "KiveronTestDocument");
    const RegistryValue opener(HKEY_CLASSES_ROOT, "KiveronTestDocument\\shell\\open\\command",
                               nullptr, "\"" + run.disc.PathOf("viewer\\viewer.exe") + "\" \"%1\"",
                               "KiveronTestDocument");
    ASSERT_TRUE(type.set && opener.set);
    ASSERT_TRUE(SaveShortcut(run.disc.PathOf("tools\\target.exe"), run.disc.PathOf("tool.lnk")));
    ASSERT_TRUE(Activate(run.dialog, 7));
    EXPECT_NE(std::string::npos, run.disc.Record("viewer\\viewer.exe")
                                     .find("\"" + run.disc.PathOf("docs\\guide.kivdoc") + "\""));
    ASSERT_TRUE(Activate(run.dialog, 8));
    EXPECT_EQ(run.disc.PathOf(started) + " /lang ru \"two words\"\n" + run.disc.Root() + "\n",
              run.disc.Record(program));
    ASSERT_TRUE(Activate(run.dialog, 9));
    // However the shell quotes the target, the arguments follow it as given.
    const std::string line = run.disc.Record("tools\\target.exe");
    EXPECT_NE(std::string::npos, line.find("target.exe")) << line;
    EXPECT_NE(std::string::npos, line.find(" /q \"two words\"\n")) << line;
}

// How often the recorder "tools\<name>.exe" has run.
int Starts(const Disc& disc, const std::string& name)
{
    WIN32_FIND_DATAA found;
    const HANDLE search =
        FindFirstFileA(disc.PathOf("tools\\" + name + ".*.started").c_str(), &found);
    int count = search == INVALID_HANDLE_VALUE ? 0 : 1;
    while (count > 0 && FindNextFileA(search, &found))
        ++count;
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
    return count;
}

// A double click on an entry starts it once; a press on the scroll bar's
// arrow released over a row starts nothing. The mouse messages are posted in
// the order the system delivers them, so that no other window comes between.
void MouseActivation(const Session& run, int)
{
    for (const char* name : {"tools\\once.exe", "tools\\never.exe", "tools\\done.exe"})
        run.disc.PutRecorder(name);
    const std::vector<DWORD> before = run.menu.ChildProcessIds();
    const HWND list = GetDlgItem(run.dialog, IDC_MENU_LIST);
    // On the caption of the top row: one-line rows are 17 pixels tall, their
    // captions begin 19 pixels from the left.
    const LPARAM onCaption = MAKELPARAM(22, 7);
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        PostMessageA(list, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, onCaption);
    // Pressed on the down arrow (a step brings a "Never" row to the top),
    // released over that row's caption.
    const RECT frame = ScreenRectOf(list);
    PostMessageA(list, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(frame.right - 9, frame.bottom - 10));
    PostMessageA(list, WM_LBUTTONUP, 0, onCaption);
    // Posted behind them: once it has run, so has everything before it.
    PostActivate(run.dialog, 29);
    EXPECT_NE("", run.disc.Record("tools\\done.exe"));
    EXPECT_TRUE(WaitUntil([&] { return run.menu.ChildProcessIds() == before; }));
    EXPECT_EQ(1, Starts(run.disc, "once"));
    EXPECT_EQ(0, Starts(run.disc, "never"));
    EXPECT_EQ(1, SendMessageA(list, LB_GETTOPINDEX, 0, 0)) << "the arrow was not hit";
    PostMessageA(run.dialog, WM_SYSKEYDOWN, VK_F4, 1 << 29);
    EXPECT_EQ(0u, run.menu.WaitForExit());
}

// From Windows 6.0 on the author's warning comes first, in a box owned by the
// menu that holds the launch back until OK or Alt+F4 closes it.
void Warned(const Session& run, int altF4)
{
    run.disc.PutRecorder("setup.exe");
    PostActivate(run.dialog, 0);
    const HWND box = run.menu.WaitForWindow(L"Kiveron");
    ASSERT_NE(nullptr, box) << "no warning box";
    EXPECT_EQ(L"Close your other programs before the set-up starts.", MessageBoxText(box));
    EXPECT_EQ(run.dialog, GetWindow(box, GW_OWNER));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(run.disc.PathOf("setup.txt").c_str()))
        << "the program started before the box was closed";
    // The keystroke as the box's window gets it: F4 with Alt held.
    if (altF4)
        PostMessageA(box, WM_SYSKEYDOWN, VK_F4, 1 << 29);
    else
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    ExpectStarted(run, "setup.exe");
    EXPECT_EQ(std::vector<HWND>{run.dialog}, run.menu.TopLevelWindows());
}

// Older systems, an empty message and a nested menu go without the warning.
void NotWarned(const Session& run, int row)
{
    run.disc.PutRecorder("setup.exe");
    ASSERT_TRUE(Activate(run.dialog, row)) << "the activation waits, for a box perhaps";
    EXPECT_EQ(1u, run.menu.TopLevelWindows().size());
    if (row == 0)
        ExpectStarted(run, "setup.exe");
    else
        EXPECT_EQ(3, RowCount(run.dialog)) << "the nested menu was not opened";
}

// What a screen reader reads, asked from its own process as the system's
// accessibility proxies ask: the rows' list box strings, the window texts of
// the description, the exit link and the chooser, and the chooser's items.
struct Shown {
    std::vector<std::wstring> rows;
    std::wstring exitText;
    std::wstring chosen;
};
const std::wstring kRussian = L"\x0420\x0443\x0441\x0441\x043A\x0438\x0439";
const Shown kEnglish = {{L"Set-up", L"Tools"}, L"Exit", L"English"};
const Shown kInRussian = {{L"\x0423\x0441\x0442\x0430\x043D\x043E\x0432\x043A\x0430",
                           L"\x0421\x0435\x0440\x0432\x0438\x0441"},
                          L"\x0412\x044B\x0445\x043E\x0434",
                          kRussian};
const Shown kTools = {{L"\x0414\x0438\x0441\x043A"}, kInRussian.exitText, kRussian};

std::wstring TextOf(HWND window)
{
    wchar_t text[256] = {};
    SendMessageW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return text;
}

// Each item in a buffer as long as the control says the item is.
std::vector<std::wstring> ItemsOf(HWND control, UINT count, UINT length, UINT get)
{
    std::vector<std::wstring> items;
    for (int i = 0; i < static_cast<int>(SendMessageW(control, count, 0, 0)); ++i) {
        std::wstring item(static_cast<size_t>(SendMessageW(control, length, i, 0)) + 1, L'\0');
        item.resize(static_cast<size_t>(std::max<LRESULT>(
            0, SendMessageW(control, get, i, reinterpret_cast<LPARAM>(&item[0])))));
        items.push_back(item);
    }
    return items;
}

void ExpectShown(HWND dialog, const Shown& expected)
{
    const HWND combo = GetDlgItem(dialog, IDC_LANGUAGE_COMBO);
    const HWND list = GetDlgItem(dialog, IDC_MENU_LIST);
    EXPECT_EQ(expected.rows, ItemsOf(list, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT));
    EXPECT_EQ(L"", TextOf(GetDlgItem(dialog, IDC_DESCRIPTION)));
    EXPECT_EQ(expected.exitText, TextOf(GetDlgItem(dialog, IDC_EXIT_LINK)));
    EXPECT_EQ(expected.chosen, TextOf(combo));
    EXPECT_EQ(expected.chosen, WindowCaption(combo)) << "the text the system keeps";
    const std::vector<std::wstring> names = {L"English", kRussian};
    EXPECT_EQ(names, ItemsOf(combo, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT));
    // The item data is still the language's place among the declared ones.
    const int language = ChosenLanguage(dialog);
    ASSERT_TRUE(language == 0 || language == 1) << language;
    EXPECT_EQ(expected.chosen, names[language]);
}

std::vector<HWND> renamed;

void CALLBACK OnNameChange(HWINEVENTHOOK, DWORD, HWND window, LONG, LONG, DWORD, DWORD)
{
    renamed.push_back(window);
}

// Moves the keyboard selection one row down; true once the description's
// name change has been reported and its text is the one given.
bool StepDownTo(HWND dialog, const std::wstring& description)
{
    const HWND label = GetDlgItem(dialog, IDC_DESCRIPTION);
    renamed.clear();
    PostMessageA(GetDlgItem(dialog, IDC_MENU_LIST), WM_KEYDOWN, VK_DOWN, 1);
    return WaitUntil([&] {
        PumpAll();
        return std::count(renamed.begin(), renamed.end(), label) > 0 &&
               TextOf(label) == description;
    });
}

// The texts follow the keys, a language change and a nested menu, on the
// NT family and on the 9x family, where the menu speaks the ANSI code page:
// a Russian user there sees the Russian menu, chosen at start.
void ScreenReader(const Session& run, int english)
{
    run.disc.PutRecorder("setup.exe");
    ASSERT_EQ(english, IsWindowUnicode(run.dialog) != FALSE) << "not the character set meant";
    if (!english) { // version 4: the Russian warning is not shown
        ASSERT_TRUE(Activate(run.dialog, 0)) << "the activation waits, for a box perhaps";
        EXPECT_NE("", run.disc.Record("setup.exe"));
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(run.dialog, &processId);
    const HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, OnNameChange,
                        processId, 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(nullptr, hook);
    const std::wstring installs[] = {L"Installs it", L"\x0421\x0442\x0430\x0432\x0438\x0442"};
    ExpectShown(run.dialog, english ? kEnglish : kInRussian);
    EXPECT_TRUE(StepDownTo(run.dialog, installs[english ? 0 : 1]));
    ChooseLanguage(run.dialog, english ? 1 : 0);
    ExpectShown(run.dialog, english ? kInRussian : kEnglish);
    EXPECT_TRUE(StepDownTo(run.dialog, installs[english ? 1 : 0]));
    // The nested menu, in Russian, declares no language and no exit text:
    // the menu keeps those it has, and drops the old description.
    ChooseLanguage(run.dialog, 1);
    ASSERT_TRUE(Activate(run.dialog, 1));
    ExpectShown(run.dialog, kTools);
    EXPECT_TRUE(StepDownTo(run.dialog, L"\x042F"));
    UnhookWinEvent(hook);
}

// A broken nested menu is reported and the menu shown stays; a readable one
// replaces rows, languages, exit text and picture in the same window.
void NestedMenu(const Session& run, int)
{
    run.disc.PutRecorder("setup.exe");
    const HWND dialog = run.dialog;
    const RECT frame = ScreenRectOf(dialog);
    const RECT exitLink = ScreenRectOf(GetDlgItem(dialog, IDC_EXIT_LINK));
    ASSERT_TRUE(WaitForClientColour(dialog, kCorner, kRed));
    const int exitPixelsBefore = PixelsUnlike(ScreenPixels(dialog, exitLink), kRed);

    PostActivate(dialog, 1);
    const HWND box = run.menu.WaitForWindow(L"Kiveron");
    ASSERT_NE(nullptr, box) << "no error box";
    EXPECT_EQ(AnsiToWide(MenuLoadFailureText(run.disc.PathOf("tools\\missing.lst"),
                                             SystemErrorText(ERROR_FILE_NOT_FOUND))),
              MessageBoxText(box));
    EXPECT_EQ(dialog, GetWindow(box, GW_OWNER));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    ASSERT_TRUE(Activate(dialog, 2)) << "the menu does not answer after the box";
    ExpectStarted(run, "setup.exe");
    EXPECT_EQ(3, RowCount(dialog));
    EXPECT_EQ(1, LanguageCount(dialog));

    ASSERT_TRUE(Activate(dialog, 0));
    EXPECT_EQ(4, RowCount(dialog));
    EXPECT_EQ(2, LanguageCount(dialog)) << "the nested menu's language is appended";
    EXPECT_TRUE(WaitForClientColour(dialog, kCorner, kBlue));
    const RECT frameAfter = ScreenRectOf(dialog);
    EXPECT_TRUE(EqualRect(&frame, &frameAfter)) << "the window was resized";
    // The start menu had no exit text, so the nested menu's completes it.
    EXPECT_GT(PixelsUnlike(ScreenPixels(dialog, exitLink), kBlue), exitPixelsBefore + 20);
    // A caption the start menu gave for the language stays; one it did not
    // give comes from the nested menu.
    EXPECT_EQ(L"Main menu", WindowCaption(dialog));
    ChooseLanguage(dialog, 1);
    EXPECT_EQ(L"Werkzeuge", WindowCaption(dialog));
}

// Back and forth between menus that declare the same languages lists them
// once; the rows' background matches the taller picture beside the list.
void TallerPicture(const Session& run, int)
{
    for (int visit = 0; visit < 2; ++visit) {
        ASSERT_TRUE(Activate(run.dialog, 0));
        ASSERT_EQ(3, RowCount(run.dialog));
        EXPECT_EQ(2, LanguageCount(run.dialog)) << "visit " << visit;
        ASSERT_TRUE(Activate(run.dialog, 0));
        ASSERT_EQ(1, RowCount(run.dialog));
        EXPECT_EQ(2, LanguageCount(run.dialog)) << "return " << visit;
    }
    ASSERT_TRUE(Activate(run.dialog, 0));
    RECT area = ScreenRectOf(GetDlgItem(run.dialog, IDC_MENU_LIST));
    area.left -= 3;
    const Pixels pixels = ScreenPixels(run.dialog, area);
    int unlike = 0;
    for (int y = 0; y < pixels.height; ++y)
        for (int x = pixels.width * 3 / 4; x < pixels.width - 2; ++x)
            unlike += pixels.At(x, y) != pixels.At(0, y) ? 1 : 0;
    EXPECT_EQ(0, unlike);
}

void WheelThenRepaint(const Session& run, int)
{
    const HWND list = GetDlgItem(run.dialog, IDC_MENU_LIST);
    const RECT area = ScreenRectOf(list);
    PostMessageA(list, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA),
                 MAKELPARAM((area.left + area.right) / 2, (area.top + area.bottom) / 2));
    ASSERT_TRUE(WaitUntil([&] { return SendMessageA(list, LB_GETTOPINDEX, 0, 0) > 0; }));
    const Pixels scrolled = ScreenPixels(run.dialog, area);
    RedrawWindow(run.dialog, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    EXPECT_TRUE(scrolled.colours == ScreenPixels(run.dialog, area).colours);
    PostMessageA(run.dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(0u, run.menu.WaitForExit());
}

// A change of the row under the mouse draws the two rows at once: a full
// repaint after each change, the pointer on row 0, row 1, then off the list,
// changes no pixel over the banded picture.
void HoverThenRepaint(const Session& run, int)
{
    const HWND list = GetDlgItem(run.dialog, IDC_MENU_LIST);
    RECT client;
    GetClientRect(run.dialog, &client);
    MapWindowPoints(run.dialog, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const RECT frame = ScreenRectOf(list);
    for (const int y : {8, 25, -1}) {
        SetCursorPos(y < 0 ? 0 : frame.left + 24, y < 0 ? 0 : frame.top + y);
        SendMessageA(list, WM_SETCURSOR, reinterpret_cast<WPARAM>(list),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        const Pixels hovered = ScreenPixels(run.dialog, client);
        ASSERT_FALSE(hovered.colours.empty()) << "the dialog stays covered";
        RedrawWindow(run.dialog, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        EXPECT_TRUE(hovered.colours == ScreenPixels(run.dialog, client).colours) << y;
    }
}

// The menu file deleted or renamed under the running menu is not missed.
void MenuFileGone(const Session& run, int deleted)
{
    run.disc.PutRecorder("setup.exe");
    const std::string file = run.disc.PathOf("kiveron.lst");
    ASSERT_TRUE(deleted ? DeleteFileA(file.c_str())
                        : MoveFileExA(file.c_str(), run.disc.PathOf("old.lst").c_str(), 0));
    ChooseLanguage(run.dialog, 1);
    EXPECT_EQ(L"Weg", WindowCaption(run.dialog));
    EXPECT_EQ(2, RowCount(run.dialog));
    ASSERT_TRUE(Activate(run.dialog, 0));
    ExpectStarted(run, "setup.exe");
}

// A picture missing, not a picture, cut short or locked after a language
// change leaves the one shown.
void UnreadablePictures(const Session& run, int)
{
    run.disc.PutRecorder("setup.exe");
    const HeldFile locked(run.disc.PathOf("locked.bmp"), GENERIC_READ, 0);
    ASSERT_TRUE(WaitForClientColour(run.dialog, kCorner, kRed));
    ChooseLanguage(run.dialog, 1);
    ASSERT_TRUE(WaitForClientColour(run.dialog, kCorner, kBlue));
    const wchar_t* const captions[] = {L"Missing", L"Text", L"Cut short", L"Locked"};
    for (int language = 2; language < 6; ++language) {
        ChooseLanguage(run.dialog, language);
        EXPECT_EQ(captions[language - 2], WindowCaption(run.dialog));
        EXPECT_TRUE(WaitForClientColour(run.dialog, kCorner, kBlue)) << language;
    }
    ASSERT_TRUE(Activate(run.dialog, 0));
    ExpectStarted(run, "setup.exe");
}

// The colour at the point of a 560x360 24-bit bottom-up BMP file.
COLORREF ColourIn(const std::string& hostPath, POINT point)
{
    const std::string bytes = HostFileBytes(hostPath);
    const size_t offset = 54 + (359 - point.y) * 560 * 3 + point.x * 3;
    if (bytes.size() < offset + 3)
        return CLR_INVALID;
    return RGB(BYTE(bytes[offset + 2]), BYTE(bytes[offset + 1]), BYTE(bytes[offset]));
}

// Every language shows its caption, the tools menu opens in the same window
// with its own picture, and the way back leads to the start without listing
// a language twice.
void SampleDisc(const Session& run, int)
{
    const POINT header = {300, 30}; // where the two pictures differ
    const COLORREF main = ColourIn(SAMPLE_DISC_DIR "/pictures/background.bmp", header);
    const COLORREF tools = ColourIn(SAMPLE_DISC_DIR "/pictures/tools.bmp", header);
    ASSERT_NE(main, tools);
    const std::wstring captions[] = {
        L"Kiveron Sample Disc", L"Kiveron-Beispiel-CD",
        L"\x041F\x0440\x0438\x043C\x0435\x0440 \x0434\x0438\x0441\x043A\x0430 Kiveron"};
    // Which language comes first depends on the user's.
    const int chosen = ChosenLanguage(run.dialog);
    ASSERT_TRUE(chosen >= 0 && chosen < 3) << chosen;
    EXPECT_EQ(captions[chosen], WindowCaption(run.dialog));
    RECT client;
    GetClientRect(run.dialog, &client);
    EXPECT_EQ(560, client.right);
    EXPECT_EQ(360, client.bottom);
    EXPECT_TRUE(WaitForClientColour(run.dialog, header, main));
    for (int language = 0; language < 3; ++language) {
        ChooseLanguage(run.dialog, language);
        EXPECT_EQ(captions[language], WindowCaption(run.dialog));
        EXPECT_EQ(3, RowCount(run.dialog)) << "every entry has a name in language " << language;
    }
    for (const COLORREF picture : {tools, main}) {
        ASSERT_TRUE(Activate(run.dialog, 2));
        EXPECT_TRUE(WaitForClientColour(run.dialog, header, picture)) << picture;
        EXPECT_EQ(3, RowCount(run.dialog));
        EXPECT_EQ(3, LanguageCount(run.dialog));
        EXPECT_EQ(captions[2], WindowCaption(run.dialog));
    }
}

// "Unicode" in either byte order and "ANSI" as Notepad saves them: the
// caption, the rows and the command as written.
void SavedEncoding(const Session& run, int)
{
    run.disc.PutRecorder("setup.exe");
    EXPECT_EQ(2, RowCount(run.dialog));
    ASSERT_TRUE(Activate(run.dialog, 0));
    const std::string line = run.disc.Record("setup.exe"); // in code page 1252:
    EXPECT_NE(std::string::npos, line.find("setup.exe Gr\xF6\xDF"
                                           "e\n"))
        << line;
}

// What the system gives the focused chooser for Alt+F4 closes the menu.
void AltF4InTheChooser(const Session& run, int)
{
    ChooseLanguage(run.dialog, 1);
    PostMessageA(GetDlgItem(run.dialog, IDC_LANGUAGE_COMBO), WM_SYSKEYDOWN, VK_F4, 1 << 29);
    EXPECT_EQ(0u, run.menu.WaitForExit());
}

// Started as menu\kiveron.exe from the root, the menu finds its top-down
// picture beside the menu file and fits itself to its rows.
void StartedFromAnotherFolder(const Session& run, int)
{
    RECT client;
    GetClientRect(run.dialog, &client);
    EXPECT_EQ(500, client.right);
    EXPECT_EQ(400, client.bottom);
    EXPECT_TRUE(WaitForClientColour(run.dialog, kCorner, kBlue));
}

// No menu file: one box names it and gives the system's reason, and no
// dialog follows.
void MissingMenu(const Session& run, int)
{
    EXPECT_EQ(std::vector<HWND>{run.dialog}, run.menu.TopLevelWindows());
    EXPECT_EQ(AnsiToWide(MenuLoadFailureText(run.disc.PathOf("kiveron.lst"),
                                             SystemErrorText(ERROR_FILE_NOT_FOUND))),
              MessageBoxText(run.dialog));
    PostMessageA(run.dialog, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(0u, run.menu.WaitForExit());
}

// The pictures that the discs' menus name, of sizes and colours of their own.
void WritePictures(const Disc& disc)
{
    const std::string red = SolidBitmapFile(420, 300, kRed);
    disc.Write("pictures\\main.bmp", red);
    disc.Write("pictures\\tools.bmp", SolidBitmapFile(300, 200, kBlue));
    disc.Write("first.bmp", red);
    disc.Write("second.bmp", SolidBitmapFile(300, 200, kBlue));
    disc.Write("short.bmp", red.substr(0, red.size() / 2));
    disc.Write("locked.bmp", red);
    disc.Write("start.bmp", SolidBitmapFile(640, 480, RGB(200, 200, 200)));
    disc.Write("tall.bmp", BandedBitmapFile(640, 760));
    disc.Write("back.bmp", BandedBitmapFile(640, 480));
    disc.Write("menu\\art\\back.bmp", SolidBitmapFile(500, 400, kBlue, true));
}

const wchar_t kUmlauts[] = L"Men\u00FC f\u00FCr Gr\u00F6\u00DFen";
const wchar_t kInRussianCaption[] =
    L"\x041F\x0440\x0438\x043C\x0435\x0440 \x0434\x0438\x0441\x043A\x0430";

const Scenario kScenarios[] = {
    {"LaunchFromRoot", "launch", L"Launch disc", Launching, 0},
    {"LaunchFromAFolder", "launch", L"Launch disc", Launching, 1, "win10", nullptr,
     "menu\\kiveron.exe"},
    {"Mouse", "mouse", L"Mouse", MouseActivation},
    {"WarnedOnVista", "warned", L"Warned disc", Warned, 0, "vista"},
    {"WarnedOnWin10ClosedByAltF4", "warned", L"Warned disc", Warned, 1, "win10"},
    {"NotWarnedOnXp", "warned", L"Warned disc", NotWarned, 0, "winxp"},
    {"NotWarnedForAnEmptyMessage", "warned-empty", L"Warned disc", NotWarned, 0},
    {"NotWarnedForANestedMenu", "warned", L"Warned disc", NotWarned, 1},
    {"ScreenReader", "reader", L"Reader disc", ScreenReader, 1},
    {"RussianUserOnWindows98", "reader", kInRussianCaption, ScreenReader, 0, "win98",
     "LC_ALL=ru_RU.UTF-8"},
    {"NestedMenu", "nested", L"Main menu", NestedMenu},
    {"NestedMenuWithATallerPicture", "taller", L"Start", TallerPicture},
    {"WheelThenRepaint", "wheel", L"Wheel", WheelThenRepaint},
    {"HoverThenRepaint", "wheel", L"Wheel", HoverThenRepaint},
    {"AltF4InTheChooser", "chooser", L"Chooser", AltF4InTheChooser},
    {"StartedFromAnotherFolder", "elsewhere", L"Elsewhere", StartedFromAnotherFolder, 0, "win10",
     nullptr, "menu\\kiveron.exe"},
    {"MenuFileDeleted", "gone", L"Gone", MenuFileGone, 1},
    {"MenuFileRenamed", "gone", L"Gone", MenuFileGone, 0},
    {"UnreadablePictures", "pictures", L"First", UnreadablePictures},
    {"Utf16LittleEndian", "utf16le", kUmlauts, SavedEncoding, 0, "win10", "LC_ALL=de_DE.UTF-8"},
    {"Utf16BigEndian", "utf16be", kUmlauts, SavedEncoding, 0, "win10", "LC_ALL=de_DE.UTF-8"},
    {"Ansi1252", "ansi", kUmlauts, SavedEncoding, 0, "win10", "LC_ALL=de_DE.UTF-8"},
    {"SampleDisc", nullptr, L"", SampleDisc},
    {"MissingMenu", "", L"Kiveron", MissingMenu},
};

class DiscScenario : public ::testing::TestWithParam<Scenario> {};

TEST_P(DiscScenario, Plays)
{
    const Scenario& s = GetParam();
    const Disc disc;
    ASSERT_TRUE(disc.Mapped()) << "Wine's mount manager did not map a drive for the disc";
    if (s.disc == nullptr || *s.disc != '\0') {
        WritePictures(disc);
        ASSERT_TRUE(disc.CopyFolder(s.disc ? E2E_DISCS_DIR "/" + std::string(s.disc)
                                           : std::string(SAMPLE_DISC_DIR)));
    }
    // Wine's per-program settings go by the program's file name.
    const RegistryValue version(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\kiveron.exe",
                                "Version", s.version);
    ASSERT_TRUE(version.set);
    SetCursorPos(0, 0); // off the dialog: a row under it would be current
    // Its arguments change nothing.
    MenuProcess menu(KIVERON_EXE, disc.Root(),
                     {"/lang de other.lst \"quoted arg\"", s.exeName,
                      s.locale ? std::vector<std::string>{s.locale} : std::vector<std::string>{}});
    const HWND dialog = menu.WaitForWindow(s.caption);
    ASSERT_NE(nullptr, dialog) << "no window; is the locale installed?";
    s.play(Session{disc, menu, dialog}, s.arg);
    EXPECT_EQ(0u, menu.Close(dialog));
}

INSTANTIATE_TEST_SUITE_P(Disc, DiscScenario, ::testing::ValuesIn(kScenarios),
                         [](const ::testing::TestParamInfo<Scenario>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
