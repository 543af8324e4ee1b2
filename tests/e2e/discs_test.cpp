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
#include <memory>

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
    MountManagerUnixDrive drive = {};
    drive.size = ULONG(sizeof drive + unixPath.size() + 1);
    drive.type = DRIVE_CDROM;
    drive.letter = WCHAR(letter);
    drive.mountPointOffset = unixPath.empty() ? 0 : sizeof drive;
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
    ~Disc()
    {
        if (letter != 0)
            DefineUnixDrive(letter, "");
    }

    std::string Root() const { return std::string(1, char(letter - 0x20)) + ":\\"; }
    // name may hold folders ("tools\tools.lst"); writing makes them.
    void Write(const std::string& name, const std::string& bytes) const
    {
        if (name.find('\\') != std::string::npos)
            SHCreateDirectoryExA(nullptr, (Root() + name.substr(0, name.rfind('\\'))).c_str(),
                                 nullptr);
        WriteBinaryFile(Root() + name, bytes);
    }
    // What the recorder of that name wrote once it ran: its command line and
    // its current folder, each followed by a line break; empty after a
    // generous wait.
    std::string Record(const std::string& name) const
    {
        const std::string path = Root() + name.substr(0, name.rfind('.')) + ".txt";
        WaitUntil([&] { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; });
        return FileBytes(path);
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
    for (const char* name : {"pictures\\main.bmp", "first.bmp", "locked.bmp"})
        disc.Write(name, red);
    disc.Write("pictures\\tools.bmp", blue);
    disc.Write("second.bmp", blue);
    disc.Write("short.bmp", red.substr(0, red.size() / 2));
    disc.Write("start.bmp", SolidBitmapFile(640, 480, RGB(200, 200, 200)));
    disc.Write("tall.bmp", BandedBitmapFile(640, 760));
    disc.Write("back.bmp", BandedBitmapFile(640, 480));
    disc.Write("menu\\art\\back.bmp", SolidBitmapFile(500, 400, RGB(30, 60, 170), true));
}

bool SaveShortcut(const std::string& target, const std::string& path)
{
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    CoInitialize(nullptr);
    const bool saved =
        SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->SetPath(target.c_str())) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Save(std::wstring(path.begin(), path.end()).c_str(), TRUE));
    if (file != nullptr)
        file->Release();
    if (link != nullptr)
        link->Release();
    CoUninitialize();
    return saved;
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

// Each item in a buffer as long as the control says the item is.
std::vector<std::wstring> ItemsOf(HWND control, bool list)
{
    std::vector<std::wstring> items;
    for (int i = 0; i < SendMessageW(control, list ? LB_GETCOUNT : CB_GETCOUNT, 0, 0); ++i) {
        items.emplace_back(SendMessageW(control, list ? LB_GETTEXTLEN : CB_GETLBTEXTLEN, i, 0) + 1,
                           L'\0');
        items.back().resize(
            size_t(std::max<LRESULT>(0, SendMessageW(control, list ? LB_GETTEXT : CB_GETLBTEXT, i,
                                                     LPARAM(&items.back()[0])))));
    }
    return items;
}

// The window, or one of its controls, is what the screen shows at the corners
// and the centre of the area.
bool OnTop(HWND window, const RECT& area)
{
    for (const POINT point :
         {POINT{area.left, area.top}, POINT{area.right - 1, area.top},
          POINT{area.left, area.bottom - 1}, POINT{area.right - 1, area.bottom - 1},
          POINT{(area.left + area.right) / 2, (area.top + area.bottom) / 2}}) {
        const HWND found = WindowFromPoint(point);
        if (found != window && !IsChild(window, found))
            return false;
    }
    return true;
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

RECT ScreenRectOf(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    return rect;
}

// How often the recorder "tools\<name>.exe" has run.
int Starts(const Disc& disc, const std::string& name)
{
    WIN32_FIND_DATAA found;
    const HANDLE search =
        FindFirstFileA((disc.Root() + "tools\\" + name + ".*.started").c_str(), &found);
    int count = 0;
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found))
        ++count;
    FindClose(search);
    return count;
}

std::vector<HWND> renamed;

void CALLBACK OnNameChange(HWINEVENTHOOK, DWORD, HWND window, LONG, LONG, DWORD, DWORD)
{
    renamed.push_back(window);
}

// One start of the menu, played a step at a time.
struct Play {
    void Step(const TableRow& step);
    void MouseActivation();
    void Background();
    HWND Control(const std::string& name) const
    {
        return GetDlgItem(dialog, name == "list"          ? IDC_MENU_LIST
                                  : name == "chooser"     ? IDC_LANGUAGE_COMBO
                                  : name == "exit"        ? IDC_EXIT_LINK
                                  : name == "description" ? IDC_DESCRIPTION
                                                          : 0);
    }

    const Disc& disc;
    MenuProcess& menu;
    const HWND dialog;
    HWND box; // the last box the menu showed
    std::vector<std::shared_ptr<HeldFile>> held;
};

void Play::Step(const TableRow& step)
{
    const std::string& verb = step[0];
    const std::string arg = step.size() > 1 ? step[1] : "";
    const std::vector<int> numbers = Numbers<int>(arg);
    const int n = numbers.empty() ? 0 : numbers[0];
    const HWND list = Control("list");
    if (verb == "put") { // the recording stand-in, under these names
        for (size_t i = 1; i < step.size(); ++i)
            disc.Write(step[i], FileBytes(RECORD_ARGS_EXE));
    } else if (verb == "lock") { // until the start ends
        held.push_back(std::make_shared<HeldFile>(disc.Root() + arg, GENERIC_READ, 0));
    } else if (verb == "delete") {
        ASSERT_TRUE(DeleteFileA((disc.Root() + arg).c_str()));
    } else if (verb == "shortcut") {
        ASSERT_TRUE(SaveShortcut(disc.Root() + arg, disc.Root() + step.at(2)));
    } else if (verb == "activate") {
        ASSERT_TRUE(Activate(dialog, n)) << "the activation waits, for a box perhaps";
    } else if (verb == "post") {
        PostActivate(dialog, n);
    } else if (verb == "quiet") { // the rows start nothing and leave the menu as it was
        // (The first program on Wine's desktop may have started the desktop's
        // own process.)
        const std::vector<DWORD> before = menu.ChildProcessIds();
        const int rows = RowCount(dialog);
        for (const int row : numbers) {
            ASSERT_TRUE(Activate(dialog, row)) << "the activation waits, for a box perhaps";
            EXPECT_EQ(before, menu.ChildProcessIds()) << row;
            EXPECT_EQ(std::vector<HWND>{dialog}, menu.TopLevelWindows()) << row;
            EXPECT_EQ(rows, RowCount(dialog)) << row;
        }
    } else if (verb == "started") { // program|command line pattern[|current folder]
        // Written in the ANSI code page of the menu: 1252 on the discs that
        // write more than ASCII.
        const std::wstring record = Wide(disc.Record(arg), 1252);
        const std::wstring line = record.substr(0, record.find('\n'));
        EXPECT_TRUE(Matches(line.c_str(), Wide(step.at(2)).c_str())) << record;
        if (step.size() > 3)
            EXPECT_EQ(Wide(step[3]) + L"\n", record.substr(line.size() + 1));
    } else if (verb == "nothing") { // the program has not started
        const std::string record = disc.Root() + arg.substr(0, arg.rfind('.')) + ".txt";
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(record.c_str()));
    } else if (verb == "box") { // a box of the menu (or its first window) that says this
        box = menu.WaitForWindow(L"Kiveron");
        ASSERT_NE(nullptr, box) << "no box";
        EXPECT_TRUE(box == dialog || GetWindow(box, GW_OWNER) == dialog) << "not the menu's";
        EXPECT_NE(std::wstring::npos, MessageBoxText(box).find(Wide(arg))) << arg;
    } else if (verb == "ok" || verb == "altf4") {
        // Alt+F4 as the window gets it: F4 with Alt held.
        const HWND target = arg == "box" ? box : arg == "chooser" ? Control(arg) : dialog;
        if (verb == "ok")
            PostMessageA(target, WM_COMMAND, IDOK, 0);
        else
            PostMessageA(target, WM_SYSKEYDOWN, VK_F4, 1 << 29);
        ASSERT_TRUE(target != box || box == dialog || WaitUntil([&] { return !IsWindow(box); }));
    } else if (verb == "exit") {
        EXPECT_EQ(DWORD(n), menu.WaitForExit());
    } else if (verb == "windows") {
        EXPECT_EQ(size_t(n), menu.TopLevelWindows().size());
    } else if (verb == "rows") {
        EXPECT_EQ(n, RowCount(dialog));
    } else if (verb == "languages") {
        EXPECT_EQ(n, LanguageCount(dialog));
    } else if (verb == "language") {
        ChooseLanguage(dialog, n);
    } else if (verb == "chosen") { // the item data is the place among the declared languages
        EXPECT_EQ(n, ChosenLanguage(dialog));
    } else if (verb == "caption") {
        EXPECT_EQ(Wide(arg), WindowCaption(dialog));
    } else if (verb == "text") { // as the control answers, and as the system keeps it
        EXPECT_EQ(Wide(step.at(2)), TextOf(Control(arg))) << arg;
        EXPECT_EQ(Wide(step[2]), WindowCaption(Control(arg))) << arg;
    } else if (verb == "items") {
        std::vector<std::wstring> items;
        for (size_t i = 2; i < step.size(); ++i)
            items.push_back(Wide(step[i]));
        EXPECT_EQ(items, ItemsOf(Control(arg), arg == "list"));
    } else if (verb == "unicode") {
        ASSERT_EQ(n != 0, IsWindowUnicode(dialog) != FALSE) << "not the character set meant";
    } else if (verb == "down") { // a row down: the description's new name is reported
        renamed.clear();
        PostMessageA(list, WM_KEYDOWN, VK_DOWN, 1);
        EXPECT_TRUE(WaitUntil([&] {
            PumpAll();
            return std::count(renamed.begin(), renamed.end(), Control("description")) > 0 &&
                   TextOf(Control("description")) == Wide(arg);
        })) << arg;
    } else if (verb == "client") {
        RECT client;
        GetClientRect(dialog, &client);
        EXPECT_EQ(numbers, (std::vector<int>{client.right, client.bottom}));
    } else if (verb == "colour") { // the client point shows it, after a while perhaps
        const std::vector<int> c = Numbers<int>(step.at(2));
        POINT p = {numbers.at(0), numbers.at(1)};
        ClientToScreen(dialog, &p);
        EXPECT_TRUE(WaitUntil([&] {
            const Pixels shown = ScreenPixels(dialog, RECT{p.x, p.y, p.x + 1, p.y + 1});
            return !shown.colours.empty() && shown.At(0, 0) == RGB(c.at(0), c.at(1), c.at(2));
        })) << arg;
    } else if (verb == "wheel") { // down a notch over the list
        const RECT area = ScreenRectOf(list);
        PostMessageA(list, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA),
                     MAKELPARAM((area.left + area.right) / 2, (area.top + area.bottom) / 2));
        ASSERT_TRUE(WaitUntil([&] { return SendMessageA(list, LB_GETTOPINDEX, 0, 0) > 0; }));
    } else if (verb == "point") { // the pointer that high over the list, off it when negative
        const RECT frame = ScreenRectOf(list);
        SetCursorPos(n < 0 ? 0 : frame.left + 24, n < 0 ? 0 : frame.top + n);
        SendMessageA(list, WM_SETCURSOR, WPARAM(list), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    } else if (verb == "repaint") { // a full repaint changes no pixel
        RECT client;
        GetClientRect(dialog, &client);
        MapWindowPoints(dialog, nullptr, reinterpret_cast<POINT*>(&client), 2);
        const Pixels before = ScreenPixels(dialog, client);
        ASSERT_FALSE(before.colours.empty()) << "the dialog stays covered";
        RedrawWindow(dialog, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
        EXPECT_TRUE(before.colours == ScreenPixels(dialog, client).colours);
    } else if (verb == "mouse") {
        MouseActivation();
    } else if (verb == "background") {
        Background();
    } else {
        FAIL() << "no step " << verb;
    }
}

// A double click on the top row starts it once; a press on the scroll bar's
// arrow released over a row starts nothing. The mouse messages are posted in
// the order the system delivers them, so that no other window comes between.
void Play::MouseActivation()
{
    const std::vector<DWORD> before = menu.ChildProcessIds();
    const HWND list = Control("list");
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
    PostActivate(dialog, 29);
    EXPECT_NE("", disc.Record("tools\\done.exe"));
    EXPECT_TRUE(WaitUntil([&] { return menu.ChildProcessIds() == before; }));
    EXPECT_EQ(1, Starts(disc, "once"));
    EXPECT_EQ(0, Starts(disc, "never"));
    EXPECT_EQ(1, SendMessageA(list, LB_GETTOPINDEX, 0, 0)) << "the arrow was not hit";
}

// The rows' background, right of their captions, is the picture's colour of
// their height, as it shows left of the list.
void Play::Background()
{
    RECT area = ScreenRectOf(Control("list"));
    area.left -= 3;
    const Pixels pixels = ScreenPixels(dialog, area);
    int unlike = 0;
    for (int y = 0; y < pixels.height; ++y)
        for (int x = pixels.width * 3 / 4; x < pixels.width - 2; ++x)
            unlike += pixels.At(x, y) != pixels.At(0, y) ? 1 : 0;
    EXPECT_NE(0, pixels.height) << "the dialog stays covered";
    EXPECT_EQ(0, unlike);
}

struct Scenario {
    TableRow start; // "scenario", name, disc, caption, version, locale, exe name
    std::vector<TableRow> steps;
};

std::vector<Scenario> Scenarios()
{
    std::vector<Scenario> scenarios;
    for (const TableRow& row : TableRows(E2E_DISCS_DIR "/scenarios.txt"))
        if (row[0] == "scenario")
            scenarios.push_back({row, {}});
        else if (!scenarios.empty())
            scenarios.back().steps.push_back(row);
    return scenarios;
}

class DiscScenario : public ::testing::TestWithParam<Scenario> {};

TEST_P(DiscScenario, Plays)
{
    const TableRow& start = GetParam().start;
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
    DWORD processId = 0;
    GetWindowThreadProcessId(dialog, &processId);
    const HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, OnNameChange,
                        processId, 0, WINEVENT_OUTOFCONTEXT);
    {
        Play play{disc, menu, dialog, dialog, {}};
        for (TableRow step : GetParam().steps) {
            for (std::string& field : step) {
                for (auto at = field.find("<root>"); at != std::string::npos;
                     at = field.find("<root>"))
                    field.replace(at, 6, disc.Root());
                field.erase(field.find_last_not_of(' ') + 1);
            }
            play.Step(step);
            ASSERT_FALSE(HasFatalFailure()) << step[0] << " " << (step.size() > 1 ? step[1] : "");
        }
    }
    UnhookWinEvent(hook);
    EXPECT_EQ(0u, menu.Close(dialog));
}

INSTANTIATE_TEST_SUITE_P(Disc, DiscScenario, ::testing::ValuesIn(Scenarios()),
                         [](const ::testing::TestParamInfo<Scenario>& info) {
                             return info.param.start[1];
                         });

} // namespace
