#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "app/application.h"
#include "app/main_window.h"
#include "support/bitmap_file.h"

// A real menu window inside the test process: the menu file (and whatever
// else a test needs) is written beside the test executable, where the main
// window looks for it, and the window is created from the executable's own
// resources. Tests drive it with real messages and pump the queue.
class RunningMenu {
public:
    // menuFile: the bytes of kiveron.lst (UTF-8).
    explicit RunningMenu(const std::string& menuFile);
    ~RunningMenu();
    RunningMenu(const RunningMenu&) = delete;
    RunningMenu& operator=(const RunningMenu&) = delete;

    MainWindow& Window() { return *window; }
    HWND Dialog() const { return window->Dialog(); }
    HWND Control(int id) const { return GetDlgItem(window->Dialog(), id); }

    // Dispatches everything queued; remembers a quit message.
    void Pump();
    bool QuitSeen() const { return quitSeen; }

    // Writes a file beside the test executable and returns its full path.
    static std::string WriteBeside(const std::string& name, const std::string& bytes);

private:
    Application application;
    std::unique_ptr<MainWindow> window;
    bool quitSeen = false;
};
