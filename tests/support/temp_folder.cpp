#include "temp_folder.h"

#include <windows.h>

#include <fstream>
#include <stdexcept>

namespace {

std::string SystemTempPath()
{
    char buffer[MAX_PATH + 1];
    const DWORD length = GetTempPathA(sizeof(buffer), buffer);
    if (length == 0 || length > sizeof(buffer))
        throw std::runtime_error("no temporary folder");
    return std::string(buffer, length);
}

// Unique across the test processes that run side by side: the process id,
// and a counter for the folders of one process.
std::string CreateUniqueFolder()
{
    static unsigned counter = 0;
    const std::string base =
        SystemTempPath() + "kiveron-test-" + std::to_string(GetCurrentProcessId()) + "-";
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const std::string candidate = base + std::to_string(++counter);
        if (CreateDirectoryA(candidate.c_str(), nullptr))
            return candidate;
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            break;
    }
    throw std::runtime_error("cannot create a temporary folder");
}

void RemoveTree(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string child = folder + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(child.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

} // namespace

TempFolder::TempFolder() : path(CreateUniqueFolder()) {}

TempFolder::~TempFolder()
{
    RemoveTree(path);
}

const std::string& TempFolder::Path() const
{
    return path;
}

std::string TempFolder::PathOf(const std::string& name) const
{
    return path + "\\" + name;
}

std::string TempFolder::WriteFile(const std::string& name, const std::string& bytes) const
{
    const std::string file = PathOf(name);
    WriteBinaryFile(file, bytes);
    return file;
}

void WriteBinaryFile(const std::string& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file.write(bytes.data(), static_cast<std::streamsize>(bytes.size())).flush())
        throw std::runtime_error("cannot write " + path);
}
