#pragma once
#include <windows.h>

#include <cstring>
#include <fstream>
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
    explicit RunningMenu(const std::string& menuFile) : application(GetModuleHandleA(nullptr))
    {
        WriteBeside("kiveron.lst", menuFile);
        window.reset(new MainWindow(&application));
        window->Create();
        Pump();
    }
    // Destroying the dialog posts a quit message of its own: drained, so that
    // the next test starts with an empty queue.
    ~RunningMenu()
    {
        window.reset();
        Pump();
    }
    RunningMenu(const RunningMenu&) = delete;
    RunningMenu& operator=(const RunningMenu&) = delete;

    MainWindow& Window() { return *window; }
    HWND Dialog() const { return window->Dialog(); }
    HWND Control(int id) const { return GetDlgItem(window->Dialog(), id); }

    // Dispatches everything queued; remembers a quit message.
    void Pump()
    {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            quitSeen = quitSeen || message.message == WM_QUIT;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    bool QuitSeen() const { return quitSeen; }

    // Writes a file beside the test executable and returns its full path; a
    // file that cannot be written is the test's to notice.
    static std::string WriteBeside(const std::string& name, const std::string& bytes)
    {
        char exe[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, exe, MAX_PATH);
        const std::string path = std::string(exe, std::strrchr(exe, '\\') + 1 - exe) + name;
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        return path;
    }

private:
    Application application;
    std::unique_ptr<MainWindow> window;
    bool quitSeen = false;
};
