#include "module_resource.h"

ModuleResource::ModuleResource(LPCWSTR type, int id) : data(nullptr), size(0) {
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), type);
    if (found == nullptr)
        return;
    const HGLOBAL loaded = LoadResource(module, found);
    if (loaded == nullptr)
        return;
    data = static_cast<const BYTE*>(LockResource(loaded));
    size = data != nullptr ? SizeofResource(module, found) : 0;
}
