#pragma once
#include <windows.h>

#include <cstring>

// One resource of the running executable, read field by field; a field past
// the end reads as T{}.
struct ModuleResource {
    ModuleResource(int type, int id)
    {
        const HMODULE module = GetModuleHandleW(nullptr);
        const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(type));
        data =
            found ? static_cast<const BYTE*>(LockResource(LoadResource(module, found))) : nullptr;
        size = data ? SizeofResource(module, found) : 0;
    }
    template <typename T>
    T At(size_t offset) const
    {
        T value{};
        if (data != nullptr && offset + sizeof value <= size)
            std::memcpy(&value, data + offset, sizeof value);
        return value;
    }
    const BYTE* data;
    DWORD size;
};
