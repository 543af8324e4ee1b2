#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

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
                const StartOptions& options = StartOptions());
    ~MenuProcess();
    MenuProcess(const MenuProcess&) = delete;
    MenuProcess& operator=(const MenuProcess&) = delete;

    // A visible top-level window of the process with that caption (any
    // caption when empty), or null after a generous wait or once it ended.
    HWND WaitForWindow(const std::wstring& caption = std::wstring()) const;
    std::vector<HWND> TopLevelWindows() const;
    // The processes that this one started, running or still known.
    std::vector<DWORD> ChildProcessIds() const;

    // Waits for the process to end; returns its exit code, or STILL_ACTIVE.
    DWORD WaitForExit();
    // Closes the window as its close box does and waits for the exit code.
    DWORD Close(HWND window)
    {
        PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        return WaitForExit();
    }

private:
    void StartInUnixEnvironment(const std::string& program, const std::string& folder,
                                const std::vector<std::string>& pairs);

    HANDLE process = nullptr;
    DWORD processId = 0;
};

// Checks the condition until it holds (true) or a generous time has gone by.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 20000);

std::wstring WindowCaption(HWND window);
// The text of a message box: its static control with the id 0xFFFF.
std::wstring MessageBoxText(HWND box);
// A Windows path for a file the build produced (a Unix path under Wine).
std::string HostPath(const std::string& path);

// The menu's dialog driven from another process, as the user drives it.
int RowCount(HWND dialog);
int LanguageCount(HWND dialog);
// Activates a row as a click on it does; false when the activation has not
// finished after a generous time (a box it shows holds it up).
bool Activate(HWND dialog, int row);
// The same without waiting for it to finish.
void PostActivate(HWND dialog, int row);
// Picks an item of the language chooser; the chosen language's place among
// the declared ones (the item data).
void ChooseLanguage(HWND dialog, int item);
int ChosenLanguage(HWND dialog);
