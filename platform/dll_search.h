#pragma once
#include <windows.h>

// Kiveron starts from media that others prepared: a DLL laid beside the
// executable, or in the folder it is started from, under the name of a
// library that something loads by name would run inside the menu. The entry
// point therefore narrows the search for libraries loaded by name, before
// anything else can load one, as far as the system allows.

// The two system calls that narrow the search; null where the system lacks
// them (SetDefaultDllDirectories came with later updates of Windows 7,
// SetDllDirectoryA with Windows XP SP1).
struct DllSearchCalls {
    BOOL(WINAPI* setDefaultDllDirectories)(DWORD flags) = nullptr;
    BOOL(WINAPI* setDllDirectoryA)(LPCSTR path) = nullptr;
};

// What the narrowing achieved.
struct DllSearchRestriction {
    // Only the system folder is searched: neither the executable's folder nor
    // the current one nor PATH.
    bool systemFolderOnly = false;
    // SetDllDirectoryA("") took the current folder out of the search; the
    // executable's folder and the system folders stay.
    bool currentFolderRemoved = false;
};

// The calls as this system's kernel32 offers them, looked up at run time so
// that the program still starts on systems without them.
DllSearchCalls DllSearchCallsOfThisSystem();

// Narrows the search with the calls given (either may be null): to the
// system folder where the system can, else without the current folder.
DllSearchRestriction RestrictDllSearch(const DllSearchCalls& calls);

// Narrows the search with this system's calls: the entry point's first call.
DllSearchRestriction RestrictDllSearch();
