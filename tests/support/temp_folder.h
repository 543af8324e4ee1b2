#pragma once
#include <string>

// A fresh, uniquely named folder under the system's temporary folder, removed
// with everything in it when the object goes. Paths are narrow (ANSI code
// page), as the system's file calls take them.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();

    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path; }
    // The full path of a name inside the folder; the file need not exist.
    std::string PathOf(const std::string& name) const { return path + "\\" + name; }

    // Writes the bytes exactly as given (no line-break translation) to a file
    // inside the folder, replacing an earlier one, and returns its full path.
    std::string WriteFile(const std::string& name, const std::string& bytes) const;

private:
    std::string path;
};

// Writes the bytes exactly as given to path; throws std::runtime_error when
// the file cannot be written.
void WriteBinaryFile(const std::string& path, const std::string& bytes);
