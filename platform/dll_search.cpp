#include "platform/dll_search.h"

namespace {

// Newer than the headers' target version (Windows XP).
const DWORD kSearchSystem32 = 0x00000800; // LOAD_LIBRARY_SEARCH_SYSTEM32

template <class Function>
Function Lookup(HMODULE module, const char* name)
{
    // Through void*: a function pointer of another type than FARPROC's.
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

} // namespace

DllSearchCalls DllSearchCallsOfThisSystem()
{
    // kernel32 is in every process from its start: no load, no search.
    const HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
    DllSearchCalls calls;
    if (kernel32 == nullptr)
        return calls;
    calls.setDefaultDllDirectories =
        Lookup<decltype(calls.setDefaultDllDirectories)>(kernel32, "SetDefaultDllDirectories");
    calls.setDllDirectoryA = Lookup<decltype(calls.setDllDirectoryA)>(kernel32, "SetDllDirectoryA");
    return calls;
}

DllSearchRestriction RestrictDllSearch(const DllSearchCalls& calls)
{
    DllSearchRestriction done;
    if (calls.setDefaultDllDirectories != nullptr)
        done.systemFolderOnly = calls.setDefaultDllDirectories(kSearchSystem32) != FALSE;
    // The system folder alone leaves the current one out already. The other
    // call is inherited by every program the menu starts and changes where
    // they look for their own libraries: only a system without the first,
    // or where it failed, gets it.
    if (!done.systemFolderOnly && calls.setDllDirectoryA != nullptr)
        done.currentFolderRemoved = calls.setDllDirectoryA("") != FALSE;
    return done;
}

DllSearchRestriction RestrictDllSearch()
{
    return RestrictDllSearch(DllSearchCallsOfThisSystem());
}
