#pragma once
#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "controls/private_messages.h"
#include "resources/resource_ids.h"

// Checks the condition until it holds (true) or a generous time has gone by.
inline bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 20000)
{
    for (const DWORD start = GetTickCount(); !condition(); Sleep(50))
        if (GetTickCount() - start >= timeoutMs)
            return false;
    return true;
}

inline std::wstring WindowCaption(HWND window)
{
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

// A Windows path for a file the build produced (a Unix path under Wine, whose
// root Wine maps to drive Z:).
inline std::string HostPath(const std::string& path)
{
    std::string windowsPath = path.empty() || path[0] != '/' ? path : "Z:" + path;
    std::replace(windowsPath.begin(), windowsPath.end(), '/', '\\');
    return windowsPath;
}

// How MenuProcess starts the program.
struct StartOptions {
    // Appended to the command line.
    std::string arguments;
    // The copy's name inside the folder; it may hold a subfolder that
    // exists ("menu\kiveron.exe"). Wine's per-program settings (such as
    // the version it reports) follow the file name.
    std::string exeName = "kiveron.exe";
    // "NAME=value" pairs for the Unix environment in which Wine starts
    // the program: Wine takes the user's language and the ANSI code page
    // from LC_ALL there, which no Windows environment block reaches. With
    // pairs given, the program is started through env(1) and Wine's
    // loader, and found by its name once it runs.
    std::vector<std::string> unixEnvironment;
};

// The real kiveron.exe started as a child process from a folder of its own
// (a copy of the executable, the menu file and whatever a test puts beside
// it), observed and driven from outside through its windows.
class MenuProcess {
public:
    // Copies the executable (a path the build produced) into folder and starts
    // it by its full path, with folder as its current folder.
    MenuProcess(const std::string& executable, const std::string& folder,
                const StartOptions& options = StartOptions())
    {
        const std::string program = folder + (folder.back() == '\\' ? "" : "\\") + options.exeName;
        // A copy that ran just before may hold its file a little after it ended.
        if (!WaitUntil(
                [&] { return CopyFileA(HostPath(executable).c_str(), program.c_str(), FALSE); }))
            return;
        if (options.unixEnvironment.empty()) {
            process = Start("\"" + program + "\"" +
                                (options.arguments.empty() ? "" : " " + options.arguments),
                            folder, &processId);
        } else {
            processId = StartInUnixEnvironment(program, folder, options.unixEnvironment);
            process = OpenProcess(PROCESS_QUERY_INFORMATION | SYNCHRONIZE | PROCESS_TERMINATE,
                                  FALSE, processId);
        }
        WaitForInputIdle(process, 10000);
    }
    ~MenuProcess()
    {
        if (process != nullptr && WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process, 1);
            WaitForSingleObject(process, 5000);
        }
        CloseHandle(process);
    }
    MenuProcess(const MenuProcess&) = delete;
    MenuProcess& operator=(const MenuProcess&) = delete;

    // A visible top-level window of the process with that caption (any
    // caption when empty), or null after a generous wait or once it ended.
    HWND WaitForWindow(const std::wstring& caption = std::wstring()) const
    {
        HWND found = nullptr;
        WaitUntil([&] {
            for (HWND window : TopLevelWindows())
                if (caption.empty() || WindowCaption(window) == caption)
                    found = window;
            return found != nullptr || WaitForSingleObject(process, 0) != WAIT_TIMEOUT;
        });
        return found;
    }
    std::vector<HWND> TopLevelWindows() const
    {
        std::vector<HWND> windows;
        for (HWND window = GetTopWindow(nullptr); window != nullptr;
             window = GetWindow(window, GW_HWNDNEXT)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == processId && IsWindowVisible(window))
                windows.push_back(window);
        }
        return windows;
    }
    // The processes that this one started, running or still known.
    std::vector<DWORD> ChildProcessIds() const
    {
        return ProcessIds([this](const PROCESSENTRY32& entry) {
            return entry.th32ParentProcessID == processId && entry.th32ProcessID != processId;
        });
    }

    // Waits for the process to end; returns its exit code, or STILL_ACTIVE.
    DWORD WaitForExit()
    {
        DWORD code = STILL_ACTIVE;
        if (WaitForSingleObject(process, 20000) == WAIT_OBJECT_0)
            GetExitCodeProcess(process, &code);
        return code;
    }
    // Closes the window as its close box does and waits for the exit code.
    DWORD Close(HWND window)
    {
        PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        return WaitForExit();
    }

private:
    // Processes known to the system that match, by their snapshot entry.
    static std::vector<DWORD> ProcessIds(const std::function<bool(const PROCESSENTRY32&)>& match)
    {
        std::vector<DWORD> ids;
        const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
        PROCESSENTRY32 entry = {};
        entry.dwSize = sizeof(entry);
        for (BOOL more = Process32First(snapshot, &entry); more;
             more = Process32Next(snapshot, &entry))
            if (match(entry))
                ids.push_back(entry.th32ProcessID);
        CloseHandle(snapshot);
        return ids;
    }
    // Starts the command line in the folder: the process's handle and id.
    static HANDLE Start(std::string commandLine, const std::string& folder, DWORD* id)
    {
        STARTUPINFOA startup = {};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION info = {};
        if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                            folder.c_str(), &startup, &info))
            return nullptr;
        CloseHandle(info.hThread);
        *id = info.dwProcessId;
        return info.hProcess;
    }
    // Wine runs Unix programs too: env(1) sets the variables and starts
    // Wine's loader, which starts the program as a Windows process of its
    // own. Its process id once it runs.
    static DWORD StartInUnixEnvironment(const std::string& program, const std::string& folder,
                                        const std::vector<std::string>& pairs)
    {
        char loader[MAX_PATH] = {};
        GetEnvironmentVariableA("WINELOADER", loader, MAX_PATH);
        std::string commandLine = "Z:\\usr\\bin\\env";
        for (const std::string& pair : pairs)
            commandLine += " " + pair;
        const std::string name = program.substr(program.rfind('\\') + 1);
        const auto named = [&](const PROCESSENTRY32& entry) {
            return _stricmp(entry.szExeFile, name.c_str()) == 0;
        };
        const std::vector<DWORD> before = ProcessIds(named);
        DWORD started = 0, found = 0;
        CloseHandle(Start(commandLine + " " + loader + " \"" + program + "\"", folder, &started));
        WaitUntil([&] {
            for (DWORD id : ProcessIds(named))
                if (std::find(before.begin(), before.end(), id) == before.end())
                    found = id;
            return found != 0;
        });
        return found;
    }

    HANDLE process = nullptr;
    DWORD processId = 0;
};

// The rows of the menu's dialog in another process.
inline int RowCount(HWND dialog)
{
    return static_cast<int>(SendDlgItemMessageA(dialog, IDC_MENU_LIST, LB_GETCOUNT, 0, 0));
}
