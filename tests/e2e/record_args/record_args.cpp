// A stand-in for the programs and document viewers that a disc offers: it
// writes the command line it was started with, and the folder it was started
// in, to "<its own name>.txt" beside itself and ends. The end-to-end tests
// read that file to learn what the menu started, and how. It has no window,
// so that it never counts as one that the menu showed.
#include <windows.h>

#include <string>

namespace {

std::string OwnPath()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

std::string RecordPath()
{
    std::string path = OwnPath();
    const std::string::size_type dot = path.find_last_of('.');
    if (dot != std::string::npos && path.find_last_of('\\') < dot)
        path.erase(dot);
    return path + ".txt";
}

std::string CurrentFolder()
{
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    return folder;
}

// Written under a temporary name and then renamed, so that a reader never
// sees half a record.
bool WriteRecord(const std::string& text)
{
    const std::string record = RecordPath();
    const std::string partial = record + ".partial";
    HANDLE file = CreateFileA(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == text.size() &&
           MoveFileExA(partial.c_str(), record.c_str(), MOVEFILE_REPLACE_EXISTING);
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    const std::string record = std::string(GetCommandLineA()) + "\n" + CurrentFolder() + "\n";
    return WriteRecord(record) ? 0 : 1;
}
