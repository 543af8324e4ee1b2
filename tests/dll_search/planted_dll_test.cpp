// A library planted beside the program or in the folder it starts from, under
// a name that something may load by name: once the entry point has narrowed
// the search, neither place is searched. Child processes, since the search
// order belongs to a whole process.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <tuple>

#include "support/menu_process.h"
#include "support/temp_folder.h"

namespace {

const char kPlantedName[] = "kiveron_planted_probe.dll";

// What LoadLibraryA(library) returns on a thread of its own inside another
// process, what a library loaded by name from within that program meets:
// the low half of the module's address, 0 when none was loaded. The
// system's libraries lie at the same address in every process of a session.
DWORD LoadLibraryInProcess(DWORD processId, const std::string& library)
{
    const auto start = reinterpret_cast<LPTHREAD_START_ROUTINE>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA")));
    HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, processId);
    void* argument = VirtualAllocEx(process, nullptr, library.size() + 1, MEM_COMMIT | MEM_RESERVE,
                                    PAGE_READWRITE);
    WriteProcessMemory(process, argument, library.c_str(), library.size() + 1, nullptr);
    HANDLE thread = CreateRemoteThread(process, nullptr, 0, start, argument, 0, nullptr);
    DWORD module = 0;
    if (WaitForSingleObject(thread, 20000) == WAIT_OBJECT_0)
        GetExitCodeThread(thread, &module);
    CloseHandle(thread);
    VirtualFreeEx(process, argument, 0, MEM_RELEASE);
    CloseHandle(process);
    return module;
}

TEST(PlantedDll, IsFoundBesideTheProgramOrInItsFolderOnlyUntilTheSearchIsNarrowed)
{
    // The probe lies in program\ and starts from the folder above it.
    TempFolder folder;
    CreateDirectoryA(folder.PathOf("program").c_str(), nullptr);
    const std::string beside = folder.PathOf("program\\") + kPlantedName,
                      inCurrent = folder.PathOf(kPlantedName);
    // 100, +1 found, +2 current folder out of the search, +4 system folder
    // only. Windows leaves the current folder out after SetDllDirectoryA(""),
    // Wine 8 keeps searching it (103): only the program's folder is checked
    // there. The entry point makes no SetDllDirectoryA(""), which the
    // programs it starts would inherit.
    const std::tuple<const char*, std::string, DWORD> cases[] = {{"none", beside, 101},
                                                                 {"none", inCurrent, 101},
                                                                 {"current-folder", beside, 103},
                                                                 {"entry-point", beside, 104},
                                                                 {"entry-point", inCurrent, 104}};
    for (const auto& [mode, planted, expected] : cases) {
        ASSERT_TRUE(CopyFileA(HostPath(PLANTED_DLL).c_str(), planted.c_str(), FALSE));
        MenuProcess probe(PROBE_EXE, folder.Path(), {mode, "program\\dll_search_probe.exe", {}});
        EXPECT_EQ(expected, probe.WaitForExit()) << mode << " " << planted;
        ASSERT_TRUE(DeleteFileA(planted.c_str()));
    }

    // The real menu with the library beside it: by name, a thread of the
    // running menu does not find it; by its full path it loads, so the search,
    // not the library, kept it out.
    folder.WriteFile("kiveron.lst", "[Main]\r\nCaption=Planted\r\n[Element]\r\nName=Row\r\n");
    ASSERT_TRUE(CopyFileA(HostPath(PLANTED_DLL).c_str(), inCurrent.c_str(), FALSE));
    MenuProcess menu(KIVERON_EXE, folder.Path());
    const HWND dialog = menu.WaitForWindow(L"Planted");
    DWORD processId = 0;
    GetWindowThreadProcessId(dialog, &processId);
    EXPECT_EQ(0u, LoadLibraryInProcess(processId, kPlantedName)) << "found beside the program";
    EXPECT_NE(0u, LoadLibraryInProcess(processId, inCurrent));
    EXPECT_EQ(0u, menu.Close(dialog));
}

} // namespace
