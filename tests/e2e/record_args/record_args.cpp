// A stand-in for the programs and document viewers that a disc offers: it
// adds a line to "<its own name>.log" beside itself, so that starts can be
// counted, writes the command line it was started with and the folder it was
// started in to "<its own name>.txt" there, and ends. It has no window, so
// that it never counts as one that the menu showed.
#include <windows.h>

#include <fstream>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char path[MAX_PATH] = {}, folder[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    GetCurrentDirectoryA(MAX_PATH, folder);
    const std::string base = std::string(path).substr(0, std::string(path).rfind('.'));
    std::ofstream(base + ".log", std::ios::app) << "started\n";
    // Written under another name and then renamed: a reader never sees half a record.
    std::ofstream(base + ".partial", std::ios::binary) << GetCommandLineA() << "\n" << folder;
    // Its success is the exit code: 0.
    return !MoveFileExA((base + ".partial").c_str(), (base + ".txt").c_str(),
                        MOVEFILE_REPLACE_EXISTING);
}
