// Narrows the library search as asked, then looks for the planted library by
// name. The exit code tells what happened: 100, plus 1 when the library was
// found, 2 when SetDllDirectoryA("") took the current folder out of the
// search and 4 when only the system folder is searched.
//
//   dll_search_probe none|current-folder|entry-point
//
// "current-folder" is what systems without SetDefaultDllDirectories get;
// "entry-point" is the call the program's entry point makes.
#include <windows.h>

#include <string>

#include "platform/dll_search.h"

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "none";
    DllSearchCalls calls = DllSearchCallsOfThisSystem();
    calls.setDefaultDllDirectories = nullptr;
    const DllSearchRestriction done = mode == "entry-point"      ? RestrictDllSearch()
                                      : mode == "current-folder" ? RestrictDllSearch(calls)
                                                                 : DllSearchRestriction();
    return 100 + (LoadLibraryA("kiveron_planted_probe.dll") != nullptr ? 1 : 0) +
           (done.currentFolderRemoved ? 2 : 0) + (done.systemFolderOnly ? 4 : 0);
}
