#pragma once
#include <windows.h>

#include <string>
#include <vector>

class DiscDrive;

// The real kiveron.exe started from the root of a disc, as autorun starts
// it: the program copied to the root under a given name, started by its full
// path with the root as its current folder. A test drives it from outside
// through its windows and looks at what it shows and what it starts.
class DiscMenu {
public:
    struct Options {
        // The name the program has on the disc; Wine's per-program settings
        // (such as the version it reports) follow the name.
        std::string exeName = "kiveron.exe";
        // "NAME=value" pairs for the Unix environment in which Wine starts
        // the program. Wine takes the user's language and the ANSI code page
        // from LC_ALL there; an environment block passed to CreateProcess
        // does not reach it, since Wine starts a child in its parent's Unix
        // environment. With pairs given, the program is started through
        // env(1) and Wine's loader, and found by its name once it runs.
        std::vector<std::string> unixEnvironment;
    };

    DiscMenu(const DiscDrive& disc, const Options& options);
    explicit DiscMenu(const DiscDrive& disc) : DiscMenu(disc, Options()) {}
    ~DiscMenu();
    DiscMenu(const DiscMenu&) = delete;
    DiscMenu& operator=(const DiscMenu&) = delete;

    bool Started() const { return process != nullptr; }

    // The menu's dialog once it shows the given caption, or null after a
    // generous wait (or when the process ended first).
    HWND WaitForDialog(const std::wstring& caption);
    // The same for a dialog showing any one of the captions.
    HWND WaitForDialog(const std::vector<std::wstring>& captions);
    HWND Dialog() const { return dialog; }
    HWND Control(int id) const { return GetDlgItem(dialog, id); }

    // A visible top-level window of the menu other than its dialog (a message
    // box), or null after a generous wait.
    HWND WaitForOtherWindow() const;
    std::vector<HWND> TopLevelWindows() const;

    // Activates a row as the list does when the user clicks it. The first
    // form returns at once (a box the activation shows keeps it from
    // finishing); the second waits until the activation has finished and
    // reports false if it has not after a generous time.
    void PostActivate(int row) const;
    bool Activate(int row) const;

    // Selects a row with the arrow keys and presses Enter on it, as a user
    // does from the keyboard; false if the row cannot be reached.
    bool ActivateWithKeyboard(int row) const;

    // Picks a language in the chooser as the user does (item in the
    // chooser's order), and the language (its place among the declared
    // ones) that the chooser shows.
    void ChooseLanguage(int item) const;
    int ChosenLanguage() const;

    // A visible top-level window of a process that the menu started, or
    // null after a generous wait.
    HWND WaitForChildWindow() const;

    // The processes that the menu started and that still run, or ran and
    // are still known to the system.
    std::vector<DWORD> ChildProcessIds() const;

    // Closes the menu as its close box does and returns its exit code
    // (STILL_ACTIVE when it does not end).
    DWORD Close();
    DWORD WaitForExit(DWORD timeoutMs = 20000);

private:
    bool StartDirectly(const std::string& program, const std::string& folder);
    bool StartInUnixEnvironment(const std::string& program, const std::string& folder,
                                const std::vector<std::string>& pairs);

    HANDLE process = nullptr;
    DWORD processId = 0;
    HWND dialog = nullptr;
};

// Waits until a window is gone; false after a generous wait.
bool WaitUntilClosed(HWND window);

// Waits until a window's caption holds the text (a program may set its
// caption only after it has opened its file); false after a generous wait.
bool WaitForCaptionContaining(HWND window, const std::wstring& part);

// Waits until a file exists and can be read whole, and returns its content;
// empty after a generous wait.
std::string WaitForFileContent(const std::string& path, DWORD timeoutMs = 20000);
