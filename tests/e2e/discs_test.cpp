// The real kiveron.exe on discs as authors make them: a fresh temporary
// folder that Wine shows as a CD drive of its own ("K:\"), the menu started
// from its root as autorun starts it and driven from outside. The programs and
// viewers a disc offers are a stand-in that records how it was started. The
// starts and their steps are listed in discs/scenarios.txt; every start ends,
// closed, with exit code 0.
#include <gtest/gtest.h>
#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>
#include <winioctl.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>

#include "controls/private_messages.h"
#include "graphics/table_rows.h"
#include "resources/resource_ids.h"
#include "support/bitmap_file.h"
#include "support/desktop_input.h"
#include "support/held_file.h"
#include "support/temp_folder.h"

namespace {

// Wine's own mount manager request that links a Unix folder as a drive (the
// one its configuration program uses); an empty mount point removes it.
struct MountManagerUnixDrive {
    ULONG size, type, fsType;
    DWORD serial;
    ULONGLONG unixDevice;
    WCHAR letter;
    USHORT mountPointOffset, deviceOffset, labelOffset;
};

bool DefineUnixDrive(char letter, const std::string& unixPath)
{
    const MountManagerUnixDrive drive = {
        ULONG(sizeof drive + unixPath.size() + 1),   DRIVE_CDROM, 0, 0, 0, WCHAR(letter),
        USHORT(unixPath.empty() ? 0 : sizeof drive), 0,           0};
    std::string request = BytesOf(drive) + unixPath + '\0';
    HANDLE manager =
        CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    DWORD returned = 0;
    const BOOL done = DeviceIoControl(
        manager,
        CTL_CODE(0x6d /* 'm' */, 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS),
        &request[0], DWORD(request.size()), nullptr, 0, &returned, nullptr);
    CloseHandle(manager);
    return done != FALSE;
}

// The Unix path of a Windows path, as Wine's kernel32 reports it.
std::string UnixPathOf(const std::string& windowsPath)
{
    const auto toUnix = reinterpret_cast<char*(CDECL*)(LPCWSTR)>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    char* unixPath = toUnix(std::wstring(windowsPath.begin(), windowsPath.end()).c_str());
    const std::string result = unixPath == nullptr ? "" : unixPath;
    HeapFree(GetProcessHeap(), 0, unixPath);
    return result;
}

// The bytes of a file (a Unix path for one the build made or the sources hold).
std::string FileBytes(const std::string& path)
{
    std::ifstream file(HostPath(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

struct Disc {
    Disc()
    {
        // From the far end of the alphabet, away from the letters a prefix
        // usually takes. Wine's mount manager keeps the name of a drive it
        // has taken away, so a letter counts as free when its root cannot be
        // found; a drive without a disc in it answers "not ready".
        for (char candidate = 'y'; candidate >= 'k' && letter == 0; --candidate)
            if (GetFileAttributesA(std::string(1, candidate).append(":\\").c_str()) ==
                    INVALID_FILE_ATTRIBUTES &&
                GetLastError() == ERROR_PATH_NOT_FOUND &&
                DefineUnixDrive(candidate, UnixPathOf(folder.Path())))
                letter = candidate;
    }
    ~Disc() { DefineUnixDrive(letter, ""); }

    std::string Root() const { return std::string(1, char(letter - 0x20)) + ":\\"; }
    // name may hold folders ("tools\tools.lst"); writing makes them.
    void Write(const std::string& name, const std::string& bytes) const
    {
        SHCreateDirectoryExA(nullptr, (Root() + name.substr(0, name.rfind('\\') + 1)).c_str(),
                             nullptr);
        WriteBinaryFile(Root() + name, bytes);
    }
    // What the recorder of that name wrote once it ran: its command line, a
    // line break and its current folder; empty after a generous wait.
    std::string Record(const std::string& name) const
    {
        // Read once it is there and no longer held by the rename that made it.
        std::string record;
        WaitUntil([&] {
            record = FileBytes(Root() + name.substr(0, name.rfind('.')) + ".txt");
            return !record.empty();
        });
        return record;
    }

    TempFolder folder;
    char letter = 0;
};

bool CopyFolder(const std::string& hostFolder, const std::string& to)
{
    const std::string from = HostPath(hostFolder) + "\\*" + '\0', target = to + '\0';
    SHFILEOPSTRUCTA copy = {};
    copy.wFunc = FO_COPY;
    copy.pFrom = from.c_str();
    copy.pTo = target.c_str();
    copy.fFlags = FOF_NOCONFIRMATION | FOF_NOCONFIRMMKDIR | FOF_NOERRORUI | FOF_SILENT;
    return SHFileOperationA(&copy) == 0 && !copy.fAnyOperationsAborted;
}

// The pictures that the discs' menus name, of sizes and colours of their own.
void WritePictures(const Disc& disc)
{
    const std::string red = SolidBitmapFile(420, 300, RGB(180, 40, 40));
    const std::string blue = SolidBitmapFile(300, 200, RGB(30, 60, 170));
    const std::pair<const char*, std::string> pictures[] = {
        {"pictures\\main.bmp", red},
        {"first.bmp", red},
        {"locked.bmp", red},
        {"short.bmp", red.substr(0, red.size() / 2)},
        {"pictures\\tools.bmp", blue},
        {"second.bmp", blue},
        {"start.bmp", SolidBitmapFile(640, 480, RGB(200, 200, 200))},
        {"tall.bmp", BandedBitmapFile(640, 760)},
        {"back.bmp", BandedBitmapFile(640, 480)},
        {"menu\\art\\back.bmp", SolidBitmapFile(500, 400, RGB(30, 60, 170), true)}};
    for (const auto& picture : pictures)
        disc.Write(picture.first, picture.second);
}

// The text of a code page (UTF-8 by default).
std::wstring Wide(const std::string& text, UINT codePage = CP_UTF8)
{
    std::wstring wide(text.size(), L'\0');
    wide.resize(MultiByteToWideChar(codePage, 0, text.data(), int(text.size()), &wide[0],
                                    int(wide.size())));
    return wide;
}

// Whether the text matches a pattern in which "*" stands for any text.
bool Matches(const wchar_t* text, const wchar_t* pattern)
{
    if (*pattern == '*')
        return Matches(text, pattern + 1) || (*text != '\0' && Matches(text + 1, pattern));
    return *pattern == *text && (*text == '\0' || Matches(text + 1, pattern + 1));
}

std::wstring TextOf(HWND window)
{
    wchar_t text[256] = {};
    SendMessageW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return text;
}

std::vector<std::wstring> ItemsOf(HWND control, bool list)
{
    std::vector<std::wstring> items;
    wchar_t item[256];
    for (int i = 0; i < SendMessageW(control, list ? LB_GETCOUNT : CB_GETCOUNT, 0, 0); ++i)
        if (SendMessageW(control, list ? LB_GETTEXT : CB_GETLBTEXT, i, LPARAM(item)) >= 0)
            items.push_back(item);
    return items;
}

// The window, or one of its controls, is what the screen shows at the centre
// of the area.
bool OnTop(HWND window, const RECT& area)
{
    const HWND found =
        WindowFromPoint({(area.left + area.right) / 2, (area.top + area.bottom) / 2});
    return found == window || IsChild(window, found);
}

// What the screen shows of an area, once the window is on top of every other
// (above the other tests' windows, with every message before this one, paints
// included, handled and given time to reach the screen); no pixels when it
// stays covered.
Pixels ScreenPixels(HWND window, RECT area)
{
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr);
    Sleep(300);
    Pixels shown;
    WaitUntil([&] {
        shown = OnTop(window, area) ? CaptureClient(GetDesktopWindow(), area) : Pixels();
        // Covered while it was copied: the copy is not the window's.
        return !shown.colours.empty() && OnTop(window, area);
    });
    return shown;
}

std::vector<HWND> renamed;

// One start of the menu, played a step at a time.
struct Play {
    void Step(const TableRow& step);
    HWND Control(const std::string& name) const
    {
        static const std::map<std::string, int> ids = {{"list", IDC_MENU_LIST},
                                                       {"chooser", IDC_LANGUAGE_COMBO},
                                                       {"exit", IDC_EXIT_LINK},
                                                       {"description", IDC_DESCRIPTION}};
        return GetDlgItem(dialog, ids.at(name));
    }
    // Activates a row as a click on it does; false when the activation has
    // not finished after a generous time (a box it shows holds it up).
    bool Activate(int row) const
    {
        return SendMessageTimeoutA(dialog, UM_ACTIVATEITEM, row, 0, SMTO_NORMAL, 20000, nullptr);
    }

    const Disc& disc;
    MenuProcess& menu;
    const HWND dialog;
    HWND box; // the last box the menu showed
    std::vector<std::shared_ptr<HeldFile>> held;
    // Those at the start. (The first program on Wine's desktop may have
    // started the desktop's own process.)
    const std::vector<DWORD> children;
};

void Play::Step(const TableRow& step)
{
    const std::string& verb = step[0];
    const std::string arg = step.size() > 1 ? step[1] : "", arg2 = step.size() > 2 ? step[2] : "";
    const std::vector<int> numbers = Numbers<int>(arg);
    const int n = numbers.empty() ? 0 : numbers[0];
    const HWND list = Control("list"), chooser = Control("chooser");
    RECT frame, client;
    GetWindowRect(list, &frame);
    GetClientRect(dialog, &client);
    if (verb == "put") { // the recording stand-in, under these names
        for (size_t i = 1; i < step.size(); ++i)
            disc.Write(step[i], FileBytes(RECORD_ARGS_EXE));
    } else if (verb == "lock") { // until the start ends
        held.push_back(std::make_shared<HeldFile>(disc.Root() + arg, GENERIC_READ, 0));
    } else if (verb == "delete") {
        ASSERT_TRUE(DeleteFileA((disc.Root() + arg).c_str()));
    } else if (verb == "shortcut") { // to a program, made by the shell
        const std::wstring path = Wide(disc.Root() + arg2);
        IShellLinkA* link = nullptr;
        IPersistFile* file = nullptr;
        CoInitialize(nullptr);
        ASSERT_EQ(S_OK, CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                         IID_IShellLinkA, reinterpret_cast<void**>(&link)));
        ASSERT_EQ(S_OK, link->SetPath((disc.Root() + arg).c_str()));
        ASSERT_EQ(S_OK, link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)));
        EXPECT_EQ(S_OK, file->Save(path.c_str(), TRUE));
        file->Release();
        link->Release();
        CoUninitialize();
    } else if (verb == "activate") {
        ASSERT_TRUE(Activate(n)) << "the activation waits, for a box perhaps";
    } else if (verb == "post") {
        PostMessageA(dialog, UM_ACTIVATEITEM, n, 0);
    } else if (verb == "quiet") { // the row starts no process
        ASSERT_TRUE(Activate(n)) << "the activation waits, for a box perhaps";
        EXPECT_EQ(children, menu.ChildProcessIds());
    } else if (verb == "started") { // program|command line|current folder, "*" any text
        // Written in the ANSI code page of the menu: 1252 on the discs that
        // write more than ASCII.
        const std::wstring record = Wide(disc.Record(arg), 1252);
        const std::wstring pattern = Wide(arg2 + "\n" + (step.size() > 3 ? step[3] : "*"));
        EXPECT_TRUE(Matches(record.c_str(), pattern.c_str())) << record;
    } else if (verb == "starts") { // how often the program has started so far
        const std::string log = FileBytes(disc.Root() + arg.substr(0, arg.rfind('.')) + ".log");
        EXPECT_EQ(std::stoi(arg2), std::count(log.begin(), log.end(), '\n')) << arg;
    } else if (verb == "box") { // a box of the menu (or its first window) that says this
        box = menu.WaitForWindow(L"Kiveron");
        ASSERT_NE(nullptr, box) << "no box";
        EXPECT_TRUE(box == dialog || GetWindow(box, GW_OWNER) == dialog) << "not the menu's";
        wchar_t text[1024] = {}; // the box's static control with the id 0xFFFF
        GetDlgItemTextW(box, 0xFFFF, text, 1024);
        EXPECT_NE(std::wstring::npos, std::wstring(text).find(Wide(arg))) << text;
    } else if (verb == "ok" || verb == "altf4") {
        // Alt+F4 as the window gets it: F4 with Alt held.
        const HWND target = arg == "box" ? box : arg == "chooser" ? Control(arg) : dialog;
        const bool ok = verb == "ok";
        PostMessageA(target, ok ? WM_COMMAND : WM_SYSKEYDOWN, ok ? IDOK : VK_F4, ok ? 0 : 1 << 29);
        ASSERT_TRUE(target != box || box == dialog || WaitUntil([&] { return !IsWindow(box); }));
    } else if (verb == "language") { // picked in the chooser
        SendMessageA(chooser, CB_SETCURSEL, n, 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_LANGUAGE_COMBO, CBN_SELCHANGE),
                     LPARAM(chooser));
    } else if (verb == "caption") {
        EXPECT_EQ(Wide(arg), WindowCaption(dialog));
    } else if (verb == "text") { // as the control answers, and as the system keeps it
        EXPECT_EQ(Wide(arg2), TextOf(Control(arg))) << arg;
        EXPECT_EQ(Wide(arg2), WindowCaption(Control(arg))) << arg;
    } else if (verb == "items") {
        std::vector<std::wstring> items;
        for (size_t i = 2; i < step.size(); ++i)
            items.push_back(Wide(step[i]));
        EXPECT_EQ(items, ItemsOf(Control(arg), arg == "list"));
    } else if (verb == "down") { // a row down: the description's new name is reported
        // Of every process: only the description's count.
        const HWINEVENTHOOK hook = SetWinEventHook(
            EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr,
            [](HWINEVENTHOOK, DWORD, HWND window, LONG, LONG, DWORD, DWORD) {
                renamed.push_back(window);
            },
            0, 0, WINEVENT_OUTOFCONTEXT);
        renamed.clear();
        PostMessageA(list, WM_KEYDOWN, VK_DOWN, 1);
        EXPECT_TRUE(WaitUntil([&] {
            PumpAll();
            return std::count(renamed.begin(), renamed.end(), Control("description")) > 0 &&
                   TextOf(Control("description")) == Wide(arg);
        })) << arg;
        UnhookWinEvent(hook);
    } else if (verb == "client") {
        EXPECT_EQ(numbers, (std::vector<int>{client.right, client.bottom}));
    } else if (verb == "colour") { // the client point shows it, after a while perhaps
        const std::vector<int> c = Numbers<int>(arg2);
        POINT p = {numbers.at(0), numbers.at(1)};
        ClientToScreen(dialog, &p);
        EXPECT_TRUE(WaitUntil([&] {
            const Pixels shown = ScreenPixels(dialog, RECT{p.x, p.y, p.x + 1, p.y + 1});
            return !shown.colours.empty() && shown.At(0, 0) == RGB(c.at(0), c.at(1), c.at(2));
        })) << arg;
    } else if (verb == "wheel") { // down a notch over the list
        PostMessageA(list, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA),
                     MAKELPARAM((frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2));
        ASSERT_TRUE(WaitUntil([&] { return SendMessageA(list, LB_GETTOPINDEX, 0, 0) > 0; }));
    } else if (verb == "point") { // the pointer that high over the list, off it when negative
        SetCursorPos(n < 0 ? 0 : frame.left + 24, n < 0 ? 0 : frame.top + n);
        SendMessageA(list, WM_SETCURSOR, WPARAM(list), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    } else if (verb == "repaint") { // a full repaint changes no pixel
        MapWindowPoints(dialog, nullptr, reinterpret_cast<POINT*>(&client), 2);
        const Pixels before = ScreenPixels(dialog, client);
        ASSERT_FALSE(before.colours.empty()) << "the dialog stays covered";
        RedrawWindow(dialog, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
        EXPECT_TRUE(before.colours == ScreenPixels(dialog, client).colours);
    } else if (verb == "mouse") {
        // A double click on the top row starts it once; a press on the scroll
        // bar's arrow released over a row starts nothing. The messages are
        // posted in the order the system delivers them, so that no other
        // window comes between. On the caption of the top row: one-line rows
        // are 17 pixels tall, their captions begin 19 pixels from the left.
        const LPARAM onCaption = MAKELPARAM(22, 7);
        for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
            PostMessageA(list, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, onCaption);
        // Pressed on the down arrow (a step brings a "Never" row to the top),
        // released over that row's caption.
        PostMessageA(list, WM_NCLBUTTONDOWN, HTVSCROLL,
                     MAKELPARAM(frame.right - 9, frame.bottom - 10));
        PostMessageA(list, WM_LBUTTONUP, 0, onCaption);
        // Posted behind them: once it has run, so has everything before it.
        PostMessageA(dialog, UM_ACTIVATEITEM, 29, 0);
        EXPECT_NE("", disc.Record("tools\\done.exe"));
        EXPECT_TRUE(WaitUntil([&] { return menu.ChildProcessIds() == children; }));
        EXPECT_EQ(1, SendMessageA(list, LB_GETTOPINDEX, 0, 0)) << "the arrow was not hit";
    } else if (verb == "background") {
        // The rows' background, right of their captions, is the picture's
        // colour of their height, as it shows left of the list.
        const Pixels pixels =
            ScreenPixels(dialog, RECT{frame.left - 3, frame.top, frame.right, frame.bottom});
        int unlike = 0;
        for (int y = 0; y < pixels.height; ++y)
            for (int x = pixels.width * 3 / 4; x < pixels.width - 2; ++x)
                unlike += pixels.At(x, y) != pixels.At(0, y) ? 1 : 0;
        EXPECT_NE(0, pixels.height) << "the dialog stays covered";
        EXPECT_EQ(0, unlike);
    } else { // a number: the chosen language's is its place among the declared ones
        const LRESULT chosen = SendMessageA(chooser, CB_GETCURSEL, 0, 0);
        EXPECT_EQ(n, verb == "rows"        ? RowCount(dialog)
                     : verb == "languages" ? SendMessageA(chooser, CB_GETCOUNT, 0, 0)
                     : verb == "chosen"    ? SendMessageA(chooser, CB_GETITEMDATA, chosen, 0)
                     : verb == "windows"   ? LRESULT(menu.TopLevelWindows().size())
                     : verb == "unicode"   ? IsWindowUnicode(dialog)     // the character set meant
                     : verb == "exit"      ? LRESULT(menu.WaitForExit()) // once it ended by itself
                                           : -1)
            << verb;
    }
}

// A start: "scenario", its name, disc, caption, version, locale and exe name;
// then its steps.
using Scenario = std::vector<TableRow>;

std::vector<Scenario> Scenarios()
{
    std::vector<Scenario> scenarios;
    for (const TableRow& row : TableRows(E2E_DISCS_DIR "/scenarios.txt"))
        (row[0] == "scenario" ? scenarios.emplace_back() : scenarios.back()).push_back(row);
    return scenarios;
}

class DiscScenario : public ::testing::TestWithParam<Scenario> {};

TEST_P(DiscScenario, Plays)
{
    const TableRow& start = GetParam()[0];
    const Disc disc;
    ASSERT_NE(0, disc.letter) << "Wine's mount manager did not map a drive for the disc";
    if (!start[2].empty()) {
        WritePictures(disc);
        ASSERT_TRUE(CopyFolder(start[2] == "sample" ? std::string(SAMPLE_DISC_DIR)
                                                    : E2E_DISCS_DIR "/" + start[2],
                               disc.Root()));
    }
    // Wine's per-program settings go by the program's file name.
    const std::string settings = "Software\\Wine\\AppDefaults\\kiveron.exe";
    const std::shared_ptr<void> forget(
        nullptr, [&](void*) { SHDeleteKeyA(HKEY_CURRENT_USER, settings.c_str()); });
    ASSERT_EQ(ERROR_SUCCESS, SHSetValueA(HKEY_CURRENT_USER, settings.c_str(), "Version", REG_SZ,
                                         start[4].c_str(), DWORD(start[4].size() + 1)));
    SetCursorPos(0, 0); // off the dialog: a row under it would be current
    // Its arguments change nothing.
    MenuProcess menu(KIVERON_EXE, disc.Root(),
                     {"/lang de other.lst \"quoted arg\"", start[6],
                      start[5].empty() ? TableRow{} : TableRow{start[5]}});
    const HWND dialog = menu.WaitForWindow(Wide(start[3]));
    ASSERT_NE(nullptr, dialog) << "no window; is the locale installed?";
    Play play{disc, menu, dialog, dialog, {}, menu.ChildProcessIds()};
    for (TableRow step : Scenario(GetParam().begin() + 1, GetParam().end())) {
        for (std::string& field : step) {
            for (auto at = field.find("<root>"); at != std::string::npos; at = field.find("<root>"))
                field.replace(at, 6, disc.Root());
        }
        play.Step(step);
        ASSERT_FALSE(HasFatalFailure()) << step[0] << " " << (step.size() > 1 ? step[1] : "");
    }
    EXPECT_EQ(0u, menu.Close(dialog));
}

INSTANTIATE_TEST_SUITE_P(Disc, DiscScenario, ::testing::ValuesIn(Scenarios()),
                         [](const ::testing::TestParamInfo<Scenario>& info) {
                             return info.param[0].at(1);
                         });

} // namespace
