#include "held_file.h"

#include <stdexcept>

HeldFile::HeldFile(const std::string& path, DWORD access, DWORD shareMode)
    : file(CreateFileA(path.c_str(), access, shareMode, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr)),
      lockedBytes(0)
{
    if (file == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot open " + path);
}

HeldFile::~HeldFile()
{
    if (lockedBytes != 0)
        UnlockFile(file, 0, 0, lockedBytes, 0);
    CloseHandle(file);
}

bool HeldFile::LockBytes(DWORD byteCount)
{
    if (!LockFile(file, 0, 0, byteCount, 0))
        return false;
    lockedBytes = byteCount;
    return true;
}

bool HeldFile::Read(void* buffer, DWORD size, DWORD& count)
{
    count = 0;
    return ReadFile(file, buffer, size, &count, nullptr) != FALSE;
}
