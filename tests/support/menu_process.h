#pragma once
#include <windows.h>

#include <string>
#include <vector>

// The real kiveron.exe started as a child process from a folder of its own
// (a copy of the executable, the menu file and whatever a test puts beside
// it), observed and driven from outside through its windows.
class MenuProcess {
public:
    // Copies the executable into folder (which must exist) and starts it
    // there with the given arguments appended to its command line.
    MenuProcess(const std::string& executable, const std::string& folder,
                const std::string& arguments = std::string());
    ~MenuProcess();
    MenuProcess(const MenuProcess&) = delete;
    MenuProcess& operator=(const MenuProcess&) = delete;

    bool Started() const { return process != nullptr; }
    DWORD Id() const { return processId; }

    // Visible top-level windows of the process, waiting up to timeoutMs for
    // at least one whose caption is captionWanted (any caption when empty).
    HWND WaitForWindow(const std::wstring& captionWanted, DWORD timeoutMs = 20000) const;
    std::vector<HWND> TopLevelWindows() const;

    // Waits for the process to end; returns its exit code, or STILL_ACTIVE.
    DWORD WaitForExit(DWORD timeoutMs = 20000);

private:
    HANDLE process = nullptr;
    DWORD processId = 0;
};

std::wstring WindowCaption(HWND window);
std::string WindowClass(HWND window);
// The text of a message box: its static control with the id 0xFFFF.
std::wstring MessageBoxText(HWND box);

// A Windows path for a file the build produced (a Unix path under Wine).
std::string HostPath(const std::string& path);
