// The real kiveron-check.exe as a disc build runs it: a child process whose
// standard output and error say what it found and whose exit status says
// whether the menu needs a change (0), should get one (1) or cannot be used
// as it is (2).
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

#include "graphics/table_rows.h"
#include "support/held_file.h"
#include "support/menu_process.h"
#include "support/temp_folder.h"

// The sample disc is the one the build lays out, with its programs beside
// the menus.
TEST(CheckerProcess, ExitsByTheWorstFindingOrWrongUseAndPrintsOneLineAFinding)
{
    TempFolder folder;
    folder.WriteFile("app.exe", "MZ");
    std::ifstream clean(HostPath(CHECKER_DATA "/disc/clean.lst"), std::ios::binary);
    const std::string cleanMenu(std::istreambuf_iterator<char>(clean), {});
    folder.WriteFile("clean.lst", cleanMenu);
    folder.WriteFile("typo.lst", cleanMenu + "Comand=app.exe\r\n");
    const HeldFile held(folder.WriteFile("held.lst", cleanMenu), GENERIC_READ, 0);
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE), err = GetStdHandle(STD_ERROR_HANDLE);
    for (const TableRow& run : TableRows(CHECKER_DATA "/runs.txt")) {
        std::string arguments = run[1], part = run[2];
        for (std::size_t at; (at = part.find("\\r\\n")) != std::string::npos;)
            part.replace(at, 4, "\r\n");
        if (arguments.find("SAMPLE") != std::string::npos)
            arguments.replace(arguments.find("SAMPLE"), 6, HostPath(SAMPLE_DISC_BUILD_DIR));
        // The child writes to the file that stands for this process's
        // standard output and error as it starts; they are restored at the end.
        const HANDLE output =
            CreateFileA(folder.PathOf("output.txt").c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                        &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        SetStdHandle(STD_OUTPUT_HANDLE, output);
        SetStdHandle(STD_ERROR_HANDLE, output);
        const DWORD status =
            MenuProcess(KIVERON_CHECK_EXE, folder.Path(), {arguments, "kiveron-check.exe", {}})
                .WaitForExit();
        CloseHandle(output);
        std::ifstream in(folder.PathOf("output.txt"), std::ios::binary);
        const std::string printed(std::istreambuf_iterator<char>(in), {});
        EXPECT_EQ(std::to_string(status), run[0]) << arguments;
        EXPECT_NE(printed.find(part), std::string::npos) << arguments << ":\n" << printed;
    }
    SetStdHandle(STD_OUTPUT_HANDLE, out);
    SetStdHandle(STD_ERROR_HANDLE, err);
    for (const char* name : {"out\\new\\preview-en.bmp", "out\\new\\preview-de-guides.bmp"})
        EXPECT_NE(GetFileAttributesA(folder.PathOf(name).c_str()), INVALID_FILE_ATTRIBUTES) << name;
}
