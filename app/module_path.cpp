#include "app/module_path.h"

#include <windows.h>

#include <vector>

std::string ModuleFilePath()
{
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        // A full buffer means the path may have been cut: try a larger one.
        if (length < buffer.size() - 1 || buffer.size() >= 32768)
            return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}
