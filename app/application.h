#pragma once
#include <windows.h>

#include <memory>
#include <string>

class MainWindow;

// The process: holds the module instance, creates the one main window, pumps
// the message loop while it lives and destroys it afterwards.
class Application {
public:
    explicit Application(HINSTANCE instance);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Runs the program until the quit message; returns its code (always 0).
    // Rethrows an exception that a window procedure kept during the loop.
    int Run();

    HINSTANCE Instance() const { return instance; }
    static const std::string& Title();

private:
    HINSTANCE instance;
    std::unique_ptr<MainWindow> mainWindow;
};

// Does no work; the entry point calls it when there is no previous instance.
bool InitApplication(HINSTANCE instance);
