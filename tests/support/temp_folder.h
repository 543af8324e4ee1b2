#pragma once
#include <windows.h>
#include <shellapi.h>

#include <fstream>
#include <stdexcept>
#include <string>

// Writes the bytes exactly as given to path; throws std::runtime_error when
// the file cannot be written.
inline void WriteBinaryFile(const std::string& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file.write(bytes.data(), static_cast<std::streamsize>(bytes.size())).flush())
        throw std::runtime_error("cannot write " + path);
}

// A fresh, uniquely named folder under the system's temporary folder, removed
// with everything in it when the object goes. Paths are narrow (ANSI code
// page), as the system's file calls take them.
class TempFolder {
public:
    // Named as the system names temporary files, so that the test processes
    // that run side by side never share one.
    TempFolder()
    {
        char temp[MAX_PATH] = {}, name[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        if (GetTempFileNameA(temp, "kiv", 0, name) == 0 || !DeleteFileA(name) ||
            !CreateDirectoryA(name, nullptr))
            throw std::runtime_error("cannot create a temporary folder");
        path = name;
    }
    ~TempFolder() { RemoveTree(path); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path; }
    // The full path of a name inside the folder; the file need not exist.
    std::string PathOf(const std::string& name) const { return path + "\\" + name; }

    // Writes the bytes exactly as given (no line-break translation) to a file
    // inside the folder, replacing an earlier one, and returns its full path.
    std::string WriteFile(const std::string& name, const std::string& bytes) const
    {
        WriteBinaryFile(PathOf(name), bytes);
        return PathOf(name);
    }

private:
    // With everything in it, read-only files too.
    static void RemoveTree(const std::string& folder)
    {
        const std::string from = folder + '\0';
        SHFILEOPSTRUCTA remove = {};
        remove.wFunc = FO_DELETE;
        remove.pFrom = from.c_str();
        remove.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
        SHFileOperationA(&remove);
    }

    std::string path;
};
