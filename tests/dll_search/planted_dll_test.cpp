// A library planted beside the program or in the folder it starts from, under
// a name that something may load by name: once the entry point has narrowed
// the search, neither place is searched. Child processes, since the search
// order belongs to a whole process.
#include <gtest/gtest.h>
#include <windows.h>
#include <tlhelp32.h>

#include "support/menu_process.h"
#include "support/temp_folder.h"

namespace {

const char kPlantedName[] = "kiveron_planted_probe.dll";

DWORD RunProbe(const std::string& exe, const std::string& mode, const std::string& folder)
{
    std::string commandLine = "\"" + exe + "\" " + mode;
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &info))
        return 0;
    CloseHandle(info.hThread);
    DWORD code = 0;
    if (WaitForSingleObject(info.hProcess, 20000) == WAIT_OBJECT_0)
        GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hProcess);
    return code;
}

TEST(PlantedDll, IsFoundBesideTheProgramOrInItsFolderOnlyUntilTheSearchIsNarrowed)
{
    TempFolder programFolder, plantedFolder, emptyFolder;
    const std::string probe = programFolder.PathOf("dll_search_probe.exe");
    ASSERT_TRUE(CopyFileA(HostPath(PROBE_EXE).c_str(), probe.c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(HostPath(PLANTED_DLL).c_str(), plantedFolder.PathOf(kPlantedName).c_str(),
                          FALSE));
    const std::string besideProbe = programFolder.PathOf(kPlantedName);
    // 100, +1 found, +2 current folder out of the search, +4 system folder only.
    const struct {
        const char* mode;
        DWORD beside;
        DWORD inCurrentFolder;
    } cases[] = {
        {"none", 101, 101},
        // Windows leaves the current folder out after SetDllDirectoryA(""),
        // Wine 8 keeps searching it (103): only the app folder is checked.
        {"current-folder", 103, 0},
        // Without SetDllDirectoryA(""), which the programs it starts would inherit.
        {"entry-point", 104, 104},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        ASSERT_TRUE(
            CopyFileA(plantedFolder.PathOf(kPlantedName).c_str(), besideProbe.c_str(), FALSE));
        EXPECT_EQ(c.beside, RunProbe(probe, c.mode, emptyFolder.Path()));
        ASSERT_TRUE(DeleteFileA(besideProbe.c_str()));
        if (c.inCurrentFolder != 0) {
            EXPECT_EQ(c.inCurrentFolder, RunProbe(probe, c.mode, plantedFolder.Path()));
        }
    }
}

#ifdef KIVERON_EXE

// Whether another process holds a module of that file name.
bool HoldsModule(DWORD processId, const std::string& name)
{
    bool held = false;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
    if (snapshot == INVALID_HANDLE_VALUE)
        return false;
    MODULEENTRY32 entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Module32First(snapshot, &entry); more && !held;
         more = Module32Next(snapshot, &entry))
        held = _stricmp(entry.szModule, name.c_str()) == 0;
    CloseHandle(snapshot);
    return held;
}

// Runs LoadLibraryA(library) on a thread of its own inside another process:
// what a library loaded by name from within that program meets. False when
// the thread could not be run.
bool LoadLibraryInProcess(DWORD processId, const std::string& library)
{
    // The system's libraries lie at the same address in every process of a
    // session, LoadLibraryA with them.
    const auto start = reinterpret_cast<LPTHREAD_START_ROUTINE>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA")));
    HANDLE process = OpenProcess(PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION |
                                     PROCESS_VM_OPERATION | PROCESS_VM_WRITE | PROCESS_VM_READ,
                                 FALSE, processId);
    if (process == nullptr)
        return false;
    void* argument = VirtualAllocEx(process, nullptr, library.size() + 1, MEM_COMMIT | MEM_RESERVE,
                                    PAGE_READWRITE);
    bool ran = false;
    if (argument != nullptr &&
        WriteProcessMemory(process, argument, library.c_str(), library.size() + 1, nullptr)) {
        HANDLE thread = CreateRemoteThread(process, nullptr, 0, start, argument, 0, nullptr);
        if (thread != nullptr) {
            ran = WaitForSingleObject(thread, 20000) == WAIT_OBJECT_0;
            CloseHandle(thread);
        }
    }
    if (argument != nullptr)
        VirtualFreeEx(process, argument, 0, MEM_RELEASE);
    CloseHandle(process);
    return ran;
}

TEST(PlantedDll, TheRunningMenuDoesNotLoadOneBesideItByName)
{
    TempFolder folder;
    folder.WriteFile("kiveron.lst", "[Main]\r\nCaption=Planted\r\n[Element]\r\nName=Row\r\n");
    const std::string planted = folder.PathOf(kPlantedName);
    ASSERT_TRUE(CopyFileA(HostPath(PLANTED_DLL).c_str(), planted.c_str(), FALSE));
    MenuProcess menu(KIVERON_EXE, folder.Path());
    HWND dialog = menu.WaitForWindow(L"Planted");
    ASSERT_NE(nullptr, dialog);
    DWORD processId = 0;
    GetWindowThreadProcessId(dialog, &processId);

    ASSERT_TRUE(LoadLibraryInProcess(processId, kPlantedName));
    EXPECT_FALSE(HoldsModule(processId, kPlantedName)) << "found beside the program";
    // By its full path it loads: the search, not the library, kept it out.
    ASSERT_TRUE(LoadLibraryInProcess(processId, planted));
    EXPECT_TRUE(HoldsModule(processId, kPlantedName));
    EXPECT_EQ(0u, menu.Close(dialog));
}

#endif

} // namespace
