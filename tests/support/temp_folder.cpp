#include "temp_folder.h"

#include <windows.h>

#include <fstream>
#include <stdexcept>

namespace {

// Unique across the test processes that run side by side: the process id,
// and a counter for the folders of one process.
std::string CreateUniqueFolder()
{
    static unsigned counter = 0;
    char temp[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(sizeof(temp), temp);
    const std::string base = std::string(temp, length > MAX_PATH ? 0 : length) + "kiveron-test-" +
                             std::to_string(GetCurrentProcessId()) + "-";
    for (int attempt = 0; length != 0 && attempt < 1000; ++attempt) {
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
    const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found)) {
        const std::string name = found.cFileName, child = folder + "\\" + name;
        if (name == "." || name == "..")
            continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            RemoveTree(child);
        SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(child.c_str());
    }
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
    RemoveDirectoryA(folder.c_str());
}

} // namespace

TempFolder::TempFolder() : path(CreateUniqueFolder()) {}

TempFolder::~TempFolder()
{
    RemoveTree(path);
}

std::string TempFolder::WriteFile(const std::string& name, const std::string& bytes) const
{
    WriteBinaryFile(PathOf(name), bytes);
    return PathOf(name);
}

void WriteBinaryFile(const std::string& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file.write(bytes.data(), static_cast<std::streamsize>(bytes.size())).flush())
        throw std::runtime_error("cannot write " + path);
}
