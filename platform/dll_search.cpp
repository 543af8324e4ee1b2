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
    // The current folder goes first: on systems without the second call it
    // is all that can be done, and on the others it costs nothing.
    if (calls.setDllDirectoryA != nullptr)
        done.currentFolderRemoved = calls.setDllDirectoryA("") != FALSE;
    if (calls.setDefaultDllDirectories != nullptr)
        done.systemFolderOnly = calls.setDefaultDllDirectories(kSearchSystem32) != FALSE;
    return done;
}

DllSearchRestriction RestrictDllSearch()
{
    return RestrictDllSearch(DllSearchCallsOfThisSystem());
}
