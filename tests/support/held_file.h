#pragma once
#include <windows.h>

#include <string>

// Keeps a file open for as long as the object lives, with the access and the
// share mode given, so that a test can see how the code under test meets a
// file that someone else holds: share mode 0 locks it against every other
// opener, GENERIC_WRITE with FILE_SHARE_READ is a writer at work.
class HeldFile {
public:
    HeldFile(const std::string& path, DWORD access, DWORD shareMode);
    ~HeldFile() { CloseHandle(file); }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

    // Reads through this handle from its current position; false when the
    // system refuses.
    bool Read(void* buffer, DWORD size, DWORD& count)
    {
        count = 0;
        return ReadFile(file, buffer, size, &count, nullptr) != FALSE;
    }

private:
    HANDLE file;
};
