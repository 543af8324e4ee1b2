#include "menu_process.h"

MenuProcess::MenuProcess(const std::string& executable, const std::string& folder,
                         const std::string& arguments)
{
    const std::string copy = folder + "\\kiveron.exe";
    if (!CopyFileA(HostPath(executable).c_str(), copy.c_str(), FALSE))
        return;
    std::string commandLine = "\"" + copy + "\"";
    if (!arguments.empty())
        commandLine += " " + arguments;
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &info))
        return;
    CloseHandle(info.hThread);
    process = info.hProcess;
    processId = info.dwProcessId;
    WaitForInputIdle(process, 10000);
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

namespace {

struct WindowSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM context)
{
    WindowSearch* search = reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window))
        search->found.push_back(window);
    return TRUE;
}

} // namespace

std::vector<HWND> MenuProcess::TopLevelWindows() const
{
    WindowSearch search{processId, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND MenuProcess::WaitForWindow(const std::wstring& captionWanted, DWORD timeoutMs) const
{
    const DWORD start = GetTickCount();
    do {
        for (HWND window : TopLevelWindows())
            if (captionWanted.empty() || WindowCaption(window) == captionWanted)
                return window;
        if (process != nullptr && WaitForSingleObject(process, 0) != WAIT_TIMEOUT)
            return nullptr;
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

DWORD MenuProcess::WaitForExit(DWORD timeoutMs)
{
    if (process == nullptr || WaitForSingleObject(process, timeoutMs) != WAIT_OBJECT_0)
        return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process, &code);
    return code;
}

std::wstring WindowCaption(HWND window)
{
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

std::string WindowClass(HWND window)
{
    char name[256] = {};
    GetClassNameA(window, name, 256);
    return name;
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
    for (char& c : windowsPath)
        if (c == '/')
            c = '\\';
    return windowsPath;
}
