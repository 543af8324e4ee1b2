#pragma once
#include <windows.h>

#include <stdexcept>
#include <string>

// Keeps a file open for as long as the object lives, with the access and the
// share mode given, so that a test can see how the code under test meets a
// file that someone else holds: share mode 0 locks it against every other
// opener, GENERIC_WRITE with FILE_SHARE_READ is a writer at work.
class HeldFile {
public:
    HeldFile(const std::string& path, DWORD access, DWORD shareMode)
        : file(CreateFileA(path.c_str(), access, shareMode, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr))
    {
        if (file == INVALID_HANDLE_VALUE)
            throw std::runtime_error("cannot open " + path);
    }
    ~HeldFile() { CloseHandle(file); }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

private:
    HANDLE file;
};
