// The real kiveron-check.exe as a disc build runs it: a child process whose
// standard output and error say what it found and whose exit status says
// whether the menu needs a change (0), should get one (1) or cannot be used
// as it is (2).
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

#include "support/held_file.h"
#include "support/menu_process.h"
#include "support/temp_folder.h"

namespace {

struct CheckRun {
    DWORD status = STILL_ACTIVE;
    std::string output;
};

// Started from folder with the arguments; the child writes to the file that
// stands for this process's standard output and error while it starts.
CheckRun RunChecker(const TempFolder& folder, const std::string& arguments)
{
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    const std::string outputPath = folder.PathOf("output.txt");
    const HANDLE output = CreateFileA(outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE), err = GetStdHandle(STD_ERROR_HANDLE);
    SetStdHandle(STD_OUTPUT_HANDLE, output);
    SetStdHandle(STD_ERROR_HANDLE, output);
    CheckRun run;
    {
        MenuProcess checker(KIVERON_CHECK_EXE, folder.Path(), {arguments, "kiveron-check.exe", {}});
        SetStdHandle(STD_OUTPUT_HANDLE, out);
        SetStdHandle(STD_ERROR_HANDLE, err);
        run.status = checker.WaitForExit();
    }
    CloseHandle(output);
    std::ifstream in(outputPath, std::ios::binary);
    run.output.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return run;
}

} // namespace

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
    const char* const kReadError = ": error: the menu cannot be read: ";
    const struct {
        std::string arguments;
        DWORD status;
        std::string output; // part of the output
    } cases[] = {
        {"clean.lst", 0, "0 errors, 0 warnings, 0 notes\r\n"},
        {"typo.lst", 1,
         "typo.lst:17: warning: \"Comand\" is not a known key; the line is ignored\r\n"
         "0 errors, 1 warning, 0 notes\r\n"},
        {"\"" + HostPath(SAMPLE_DISC_BUILD_DIR) + "\\kiveron.lst\"", 0, "0 errors, 0 warnings,"},
        // Each declared language gets its preview, in a folder made for them.
        {"--preview previews\\new --codepage 1252 clean.lst", 0, "0 errors, 0 warnings, 2 notes"},
        // Missing, a folder, and held by another program against every reader.
        {"missing.lst", 2, std::string("missing.lst") + kReadError},
        {".", 2, std::string(".") + kReadError},
        {"held.lst", 2, std::string("held.lst") + kReadError},
        {"--codepage x clean.lst", 2, "kiveron-check: --codepage needs"},
        {"--codepage 0 clean.lst", 2, "kiveron-check: --codepage needs"},
        {"--guides clean.lst", 2, "kiveron-check: --guides needs --preview DIR"},
        {"clean.lst typo.lst", 2, "kiveron-check: one menu file only"},
        {"--verbose clean.lst", 2, "kiveron-check: unknown option --verbose"},
        {"", 2, "kiveron-check: no menu file given"},
    };
    for (const auto& c : cases) {
        const CheckRun run = RunChecker(folder, c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments;
        EXPECT_NE(run.output.find(c.output), std::string::npos) << c.arguments << ":\n"
                                                                << run.output;
    }
    for (const char* name : {"previews\\new\\preview-en.bmp", "previews\\new\\preview-de.bmp"})
        EXPECT_NE(GetFileAttributesA(folder.PathOf(name).c_str()), INVALID_FILE_ATTRIBUTES) << name;
}
