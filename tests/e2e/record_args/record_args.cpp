// A stand-in for the programs and document viewers that a disc offers: it
// writes the command line it was started with and the folder it was started
// in to "<its own name>.txt" beside itself, leaves an empty
// "<its own name>.<process id>.started" there so that starts can be counted,
// and ends. It has no window, so that it never counts as one that the menu
// showed.
#include <windows.h>

#include <fstream>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char path[MAX_PATH] = {};
    char folder[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    GetCurrentDirectoryA(MAX_PATH, folder);
    const std::string base = std::string(path).substr(0, std::string(path).find_last_of('.'));
    const std::string record = base + ".txt";
    const std::string started = base + "." + std::to_string(GetCurrentProcessId()) + ".started";
    CloseHandle(CreateFileA(started.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    // Written under another name and then renamed: a reader never sees half a record.
    const std::string partial = record + ".partial";
    {
        std::ofstream file(partial, std::ios::binary | std::ios::trunc);
        file << GetCommandLineA() << "\n" << folder << "\n";
        if (!file.flush())
            return 1;
    }
    return MoveFileExA(partial.c_str(), record.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
