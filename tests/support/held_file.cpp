#include "held_file.h"

#include <stdexcept>

HeldFile::HeldFile(const std::string& path, DWORD access, DWORD shareMode)
    : file(CreateFileA(path.c_str(), access, shareMode, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr))
{
    if (file == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot open " + path);
}
