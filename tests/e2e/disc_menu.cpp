#include "disc_menu.h"

#include <tlhelp32.h>

#include "app/main_window.h"
#include "disc_drive.h"
#include "resources/resource_ids.h"
#include "support/menu_process.h"

namespace {

const DWORD kGenerousWaitMs = 20000;

std::vector<DWORD> ProcessIdsNamed(const std::string& exeName)
{
    std::vector<DWORD> ids;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return ids;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        if (_stricmp(entry.szExeFile, exeName.c_str()) == 0)
            ids.push_back(entry.th32ProcessID);
    CloseHandle(snapshot);
    return ids;
}

bool Contains(const std::vector<DWORD>& ids, DWORD id)
{
    for (DWORD known : ids)
        if (known == id)
            return true;
    return false;
}

std::string FileNameOf(const std::string& path)
{
    return path.substr(path.find_last_of('\\') + 1);
}

std::string EnvironmentVariable(const char* name)
{
    char value[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA(name, value, MAX_PATH);
    return length > 0 && length < MAX_PATH ? value : std::string();
}

bool IsOwnedBy(HWND window, DWORD processId)
{
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    return owner == processId;
}

} // namespace

DiscMenu::DiscMenu(const DiscDrive& disc, const Options& options)
{
    if (!disc.Mapped() || !disc.CopyIn(KIVERON_EXE, options.exeName))
        return;
    const std::string program = disc.PathOf(options.exeName);
    const bool started = options.unixEnvironment.empty()
                             ? StartDirectly(program, disc.Root())
                             : StartInUnixEnvironment(program, disc.Root(), options.unixEnvironment);
    if (started)
        WaitForInputIdle(process, kGenerousWaitMs);
}

bool DiscMenu::StartDirectly(const std::string& program, const std::string& folder)
{
    std::string commandLine = "\"" + program + "\"";
    commandLine.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &info))
        return false;
    CloseHandle(info.hThread);
    process = info.hProcess;
    processId = info.dwProcessId;
    return true;
}

bool DiscMenu::StartInUnixEnvironment(const std::string& program, const std::string& folder,
                                      const std::vector<std::string>& pairs)
{
    // Wine runs Unix programs too: env(1) sets the variables and starts
    // Wine's loader, which starts the program as a Windows process of its own.
    const std::string loader = EnvironmentVariable("WINELOADER");
    if (loader.empty())
        return false;
    const std::string exeName = FileNameOf(program);
    const std::vector<DWORD> before = ProcessIdsNamed(exeName);
    std::string commandLine = "Z:\\usr\\bin\\env";
    for (const std::string& pair : pairs)
        commandLine += " " + pair;
    commandLine += " " + loader + " \"" + program + "\"";
    commandLine.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &info))
        return false;
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);

    const DWORD start = GetTickCount();
    do {
        for (DWORD id : ProcessIdsNamed(exeName)) {
            if (Contains(before, id))
                continue;
            process = OpenProcess(PROCESS_QUERY_INFORMATION | SYNCHRONIZE | PROCESS_TERMINATE,
                                  FALSE, id);
            processId = id;
            return process != nullptr;
        }
        Sleep(50);
    } while (GetTickCount() - start < kGenerousWaitMs);
    return false;
}

DiscMenu::~DiscMenu()
{
    if (process == nullptr)
        return;
    if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process, 1);
        WaitForSingleObject(process, 5000);
    }
    CloseHandle(process);
}

namespace {

struct WindowSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectVisibleWindow(HWND window, LPARAM context)
{
    WindowSearch* search = reinterpret_cast<WindowSearch*>(context);
    if (IsOwnedBy(window, search->processId) && IsWindowVisible(window))
        search->found.push_back(window);
    return TRUE;
}

} // namespace

std::vector<HWND> DiscMenu::TopLevelWindows() const
{
    WindowSearch search{processId, {}};
    EnumWindows(CollectVisibleWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND DiscMenu::WaitForDialog(const std::wstring& caption)
{
    return WaitForDialog(std::vector<std::wstring>{caption});
}

HWND DiscMenu::WaitForDialog(const std::vector<std::wstring>& captions)
{
    const DWORD start = GetTickCount();
    while (process != nullptr && GetTickCount() - start < kGenerousWaitMs) {
        for (HWND window : TopLevelWindows()) {
            if (GetDlgItem(window, IDC_MENU_LIST) == nullptr)
                continue;
            for (const std::wstring& caption : captions) {
                if (WindowCaption(window) == caption) {
                    dialog = window;
                    return dialog;
                }
            }
        }
        if (WaitForSingleObject(process, 50) != WAIT_TIMEOUT)
            break;
    }
    return nullptr;
}

HWND DiscMenu::WaitForOtherWindow() const
{
    const DWORD start = GetTickCount();
    while (process != nullptr && GetTickCount() - start < kGenerousWaitMs) {
        for (HWND window : TopLevelWindows())
            if (window != dialog)
                return window;
        if (WaitForSingleObject(process, 50) != WAIT_TIMEOUT)
            break;
    }
    return nullptr;
}

void DiscMenu::PostActivate(int row) const
{
    PostMessageA(dialog, UM_ACTIVATEITEM, static_cast<WPARAM>(row), 0);
}

bool DiscMenu::Activate(int row) const
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(dialog, UM_ACTIVATEITEM, static_cast<WPARAM>(row), 0,
                               SMTO_NORMAL, kGenerousWaitMs, &result) != 0;
}

bool DiscMenu::ActivateWithKeyboard(int row) const
{
    HWND list = Control(IDC_MENU_LIST);
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    if (row < 0 || row >= count)
        return false;
    // The first arrow press selects a row (the top one, or the one after the
    // row under the mouse); from then on the selection is what moves.
    SendMessageA(list, WM_KEYDOWN, VK_DOWN, 0);
    for (LRESULT steps = 0; steps <= count; ++steps) {
        const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
        if (selected == row) {
            DWORD_PTR result = 0;
            return SendMessageTimeoutA(list, WM_KEYDOWN, VK_RETURN, 0, SMTO_NORMAL,
                                       kGenerousWaitMs, &result) != 0;
        }
        SendMessageA(list, WM_KEYDOWN, selected < row ? VK_DOWN : VK_UP, 0);
    }
    return false;
}

void DiscMenu::ChooseLanguage(int item) const
{
    HWND combo = Control(IDC_LANGUAGE_COMBO);
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_LANGUAGE_COMBO, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

int DiscMenu::ChosenLanguage() const
{
    HWND combo = Control(IDC_LANGUAGE_COMBO);
    const LRESULT item = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    // The chooser keeps each item's place among the declared languages as
    // its item data.
    return static_cast<int>(SendMessageA(combo, CB_GETITEMDATA, static_cast<WPARAM>(item), 0));
}

HWND DiscMenu::WaitForChildWindow() const
{
    const DWORD start = GetTickCount();
    do {
        for (DWORD child : ChildProcessIds()) {
            WindowSearch search{child, {}};
            EnumWindows(CollectVisibleWindow, reinterpret_cast<LPARAM>(&search));
            if (!search.found.empty())
                return search.found.front();
        }
        Sleep(50);
    } while (GetTickCount() - start < kGenerousWaitMs);
    return nullptr;
}

std::vector<DWORD> DiscMenu::ChildProcessIds() const
{
    std::vector<DWORD> children;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return children;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        if (entry.th32ParentProcessID == processId && entry.th32ProcessID != processId)
            children.push_back(entry.th32ProcessID);
    CloseHandle(snapshot);
    return children;
}

DWORD DiscMenu::Close()
{
    PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    return WaitForExit();
}

DWORD DiscMenu::WaitForExit(DWORD timeoutMs)
{
    if (process == nullptr || WaitForSingleObject(process, timeoutMs) != WAIT_OBJECT_0)
        return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process, &code);
    return code;
}

std::string WaitForFileContent(const std::string& path, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    do {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            std::string content(GetFileSize(file, nullptr), '\0');
            DWORD read = 0;
            const BOOL ok = ReadFile(file, &content[0], static_cast<DWORD>(content.size()), &read,
                                     nullptr);
            CloseHandle(file);
            if (ok && read == content.size())
                return content;
        }
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
    return std::string();
}

bool WaitUntilClosed(HWND window)
{
    const DWORD start = GetTickCount();
    while (IsWindow(window)) {
        if (GetTickCount() - start >= kGenerousWaitMs)
            return false;
        Sleep(50);
    }
    return true;
}

bool WaitForCaptionContaining(HWND window, const std::wstring& part)
{
    const DWORD start = GetTickCount();
    while (WindowCaption(window).find(part) == std::wstring::npos) {
        if (!IsWindow(window) || GetTickCount() - start >= kGenerousWaitMs)
            return false;
        Sleep(50);
    }
    return true;
}
