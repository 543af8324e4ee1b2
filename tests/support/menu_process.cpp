#include "menu_process.h"

#include <tlhelp32.h>

#include <algorithm>

#include "app/main_window.h"
#include "resources/resource_ids.h"

namespace {

const DWORD kGenerousWaitMs = 20000;

// Processes known to the system that match, by their snapshot entry.
std::vector<DWORD> ProcessIds(const std::function<bool(const PROCESSENTRY32&)>& match)
{
    std::vector<DWORD> ids;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return ids;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        if (match(entry))
            ids.push_back(entry.th32ProcessID);
    CloseHandle(snapshot);
    return ids;
}

bool StartProcess(std::string commandLine, const std::string& folder, PROCESS_INFORMATION* info)
{
    commandLine.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, info))
        return false;
    CloseHandle(info->hThread);
    return true;
}

} // namespace

MenuProcess::MenuProcess(const std::string& executable, const std::string& folder,
                         const StartOptions& options)
{
    const std::string program = folder + (folder.back() == '\\' ? "" : "\\") + options.exeName;
    PROCESS_INFORMATION info = {};
    // A copy that ran just before may hold its file a little after it ended.
    if (!WaitUntil([&] { return CopyFileA(HostPath(executable).c_str(), program.c_str(), FALSE); }))
        return;
    if (!options.unixEnvironment.empty()) {
        StartInUnixEnvironment(program, folder, options.unixEnvironment);
    } else if (StartProcess("\"" + program + "\"" +
                                (options.arguments.empty() ? "" : " " + options.arguments),
                            folder, &info)) {
        process = info.hProcess;
        processId = info.dwProcessId;
    }
    WaitForInputIdle(process, 10000);
}

void MenuProcess::StartInUnixEnvironment(const std::string& program, const std::string& folder,
                                         const std::vector<std::string>& pairs)
{
    // Wine runs Unix programs too: env(1) sets the variables and starts
    // Wine's loader, which starts the program as a Windows process of its own.
    char loader[MAX_PATH] = {};
    if (GetEnvironmentVariableA("WINELOADER", loader, MAX_PATH) == 0)
        return;
    const std::string name = program.substr(program.find_last_of('\\') + 1);
    const auto named = [&](const PROCESSENTRY32& entry) {
        return _stricmp(entry.szExeFile, name.c_str()) == 0;
    };
    const std::vector<DWORD> before = ProcessIds(named);
    std::string commandLine = "Z:\\usr\\bin\\env";
    for (const std::string& pair : pairs)
        commandLine += " " + pair;
    PROCESS_INFORMATION info = {};
    if (!StartProcess(commandLine + " " + loader + " \"" + program + "\"", folder, &info))
        return;
    CloseHandle(info.hProcess);
    WaitUntil([&] {
        for (DWORD id : ProcessIds(named))
            if (std::find(before.begin(), before.end(), id) == before.end())
                processId = id;
        return processId != 0;
    });
    if (processId != 0)
        process = OpenProcess(PROCESS_QUERY_INFORMATION | SYNCHRONIZE | PROCESS_TERMINATE, FALSE,
                              processId);
}

MenuProcess::~MenuProcess()
{
    if (process == nullptr)
        return;
    if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process, 1);
        WaitForSingleObject(process, 5000);
    }
    CloseHandle(process);
}

std::vector<HWND> MenuProcess::TopLevelWindows() const
{
    std::pair<DWORD, std::vector<HWND>> search{processId, {}};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto& search = *reinterpret_cast<std::pair<DWORD, std::vector<HWND>>*>(context);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == search.first && IsWindowVisible(window))
                search.second.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.second;
}

HWND MenuProcess::WaitForWindow(const std::wstring& caption) const
{
    HWND found = nullptr;
    WaitUntil([&] {
        for (HWND window : TopLevelWindows())
            if (caption.empty() || WindowCaption(window) == caption)
                found = window;
        // A process that has ended shows nothing more.
        return found != nullptr || process == nullptr ||
               WaitForSingleObject(process, 0) != WAIT_TIMEOUT;
    });
    return found;
}

std::vector<DWORD> MenuProcess::ChildProcessIds() const
{
    return ProcessIds([this](const PROCESSENTRY32& entry) {
        return entry.th32ParentProcessID == processId && entry.th32ProcessID != processId;
    });
}

DWORD MenuProcess::WaitForExit()
{
    if (process == nullptr || WaitForSingleObject(process, kGenerousWaitMs) != WAIT_OBJECT_0)
        return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process, &code);
    return code;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(50);
    }
    return true;
}

std::wstring WindowCaption(HWND window)
{
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

std::wstring MessageBoxText(HWND box)
{
    wchar_t text[1024] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 1024);
    return text;
}

std::string HostPath(const std::string& path)
{
    if (path.empty() || path[0] != '/')
        return path;
    // Wine maps the Unix root to drive Z:.
    std::string windowsPath = "Z:" + path;
    std::replace(windowsPath.begin(), windowsPath.end(), '/', '\\');
    return windowsPath;
}

int RowCount(HWND dialog)
{
    return static_cast<int>(SendDlgItemMessageA(dialog, IDC_MENU_LIST, LB_GETCOUNT, 0, 0));
}

int LanguageCount(HWND dialog)
{
    return static_cast<int>(SendDlgItemMessageA(dialog, IDC_LANGUAGE_COMBO, CB_GETCOUNT, 0, 0));
}

bool Activate(HWND dialog, int row)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(dialog, UM_ACTIVATEITEM, static_cast<WPARAM>(row), 0, SMTO_NORMAL,
                               kGenerousWaitMs, &result) != 0;
}

void PostActivate(HWND dialog, int row)
{
    PostMessageA(dialog, UM_ACTIVATEITEM, static_cast<WPARAM>(row), 0);
}

void ChooseLanguage(HWND dialog, int item)
{
    HWND combo = GetDlgItem(dialog, IDC_LANGUAGE_COMBO);
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_LANGUAGE_COMBO, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

int ChosenLanguage(HWND dialog)
{
    const LRESULT item = SendDlgItemMessageA(dialog, IDC_LANGUAGE_COMBO, CB_GETCURSEL, 0, 0);
    return static_cast<int>(
        SendDlgItemMessageA(dialog, IDC_LANGUAGE_COMBO, CB_GETITEMDATA, item, 0));
}
