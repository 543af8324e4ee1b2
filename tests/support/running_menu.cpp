#include "running_menu.h"

#include <fstream>

RunningMenu::RunningMenu(const std::string& menuFile) : application(GetModuleHandleA(nullptr))
{
    WriteBeside("kiveron.lst", menuFile);
    window.reset(new MainWindow(&application));
    window->Create();
    Pump();
}

RunningMenu::~RunningMenu()
{
    window.reset();
    // Destroying the dialog posts a quit message of its own: drain it so the
    // next test starts with an empty queue.
    Pump();
}

void RunningMenu::Pump()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quitSeen = true;
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

std::string RunningMenu::WriteBeside(const std::string& name, const std::string& bytes)
{
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string path(exe);
    path = path.substr(0, path.find_last_of("\\/") + 1) + name;
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), bytes.size());
    return path;
}
