// A stand-in for the programs and document viewers that a disc offers: it
// writes the command line it was started with, and the folder it was started
// in, to "<its own name>.txt" beside itself and ends. The end-to-end tests
// read that file to learn what the menu started, and how. It has no window,
// so that it never counts as one that the menu showed.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char path[MAX_PATH] = {};
    char folder[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    GetCurrentDirectoryA(MAX_PATH, folder);
    std::string record = path;
    record = record.substr(0, record.find_last_of('.')) + ".txt";
    const std::string text = std::string(GetCommandLineA()) + "\n" + folder + "\n";
    // Written under a temporary name and then renamed, so that a reader
    // never sees half a record.
    const std::string partial = record + ".partial";
    HANDLE file = CreateFileA(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    const BOOL ok =
        WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == text.size() &&
                   MoveFileExA(partial.c_str(), record.c_str(), MOVEFILE_REPLACE_EXISTING)
               ? 0
               : 1;
}
