#pragma once
#include <windows.h>

#include <cstring>
#include <string>

// One resource of the running executable, read field by field; a field past
// the end reads as T{} and clears ok.
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
    template <typename T>
    T Next()
    {
        ok = ok && next + sizeof(T) <= size;
        next += sizeof(T);
        return At<T>(next - sizeof(T));
    }
    std::wstring NextString()
    {
        std::wstring text;
        for (WCHAR c = Next<WCHAR>(); ok && c != 0; c = Next<WCHAR>())
            text += c;
        return text;
    }
    const BYTE* data;
    DWORD size;
    size_t next = 0;
    bool ok = true;
};
