// The real kiveron-check.exe as a disc build runs it: a child process whose
// output is read from its standard output and whose exit status says
// whether the menu needs a change.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "support/held_file.h"
#include "support/menu_process.h"
#include "support/temp_folder.h"

namespace {

struct CheckRun {
    DWORD status = STILL_ACTIVE;
    std::string output;
};

void ReadWaiting(HANDLE pipe, std::string& output)
{
    char buffer[4096];
    DWORD waiting = 0, count = 0;
    while (PeekNamedPipe(pipe, nullptr, 0, nullptr, &waiting, nullptr) && waiting > 0 &&
           ReadFile(pipe, buffer, sizeof(buffer), &count, nullptr) && count > 0)
        output.append(buffer, count);
}

// Until the checker ends, not until the pipe closes: a process it starts
// on the way (the desktop of the first window, say) may hold the pipe on.
std::string ReadUntilExit(HANDLE pipe, HANDLE process)
{
    std::string output;
    for (int waited = 0; waited < 60000; waited += 20) {
        ReadWaiting(pipe, output);
        if (WaitForSingleObject(process, 20) == WAIT_OBJECT_0)
            break;
    }
    ReadWaiting(pipe, output);
    return output;
}

// Starts the checker from folder with the arguments and waits for it.
CheckRun RunChecker(const std::string& arguments, const std::string& folder)
{
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    CheckRun run;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return run;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    std::string commandLine = "\"" + HostPath(KIVERON_CHECK_EXE) + "\" " + arguments;
    PROCESS_INFORMATION process = {};
    const BOOL started =
        CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                       folder.c_str(), &startup, &process);
    CloseHandle(writeEnd);
    if (started) {
        run.output = ReadUntilExit(readEnd, process.hProcess);
        GetExitCodeProcess(process.hProcess, &run.status);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(readEnd);
    return run;
}

const char* const kCleanMenu =
    "[Main]\r\nCaption=Clean\r\nCaption_de=Sauber\r\nExitText=Exit\r\n"
    "[Language]\r\nLocale=en\r\nName=English\r\n"
    "[Language]\r\nLocale=de\r\nName=Deutsch\r\n"
    "[Element]\r\nName=Go\r\nName_de=Los\r\nDescription=Starts the program.\r\n"
    "Command=app.exe /quiet\r\nMarker=Secondary\r\n";

} // namespace

TEST(CheckerProcess, ExitsWithZeroOneOrTwoAndPrintsOneLineAFinding)
{
    TempFolder folder;
    folder.WriteFile("app.exe", "MZ");
    folder.WriteFile("clean.lst", kCleanMenu);
    folder.WriteFile("typo.lst", std::string(kCleanMenu) + "Comand=app.exe\r\n");

    const CheckRun clean = RunChecker("clean.lst", folder.Path());
    EXPECT_EQ(clean.status, 0u);
    EXPECT_EQ(clean.output, "0 errors, 0 warnings, 0 notes\r\n");

    const CheckRun typo = RunChecker("typo.lst", folder.Path());
    EXPECT_EQ(typo.status, 1u);
    EXPECT_EQ(typo.output,
              "typo.lst:17: warning: \"Comand\" is not a known key; the line is ignored\r\n"
              "0 errors, 1 warning, 0 notes\r\n");

    // Missing, a folder, and held by another program against every reader.
    const HeldFile held(folder.WriteFile("held.lst", kCleanMenu), GENERIC_READ, 0);
    for (const char* menu : {"missing.lst", ".", "held.lst"}) {
        const CheckRun unreadable = RunChecker(menu, folder.Path());
        EXPECT_EQ(unreadable.status, 2u) << menu;
        EXPECT_EQ(
            unreadable.output.rfind(std::string(menu) + ": error: the menu cannot be read: ", 0),
            0u)
            << unreadable.output;
    }

    EXPECT_EQ(RunChecker("--codepage x clean.lst", folder.Path()).status, 2u);
}

TEST(CheckerProcess, WritesAPreviewForEachDeclaredLanguage)
{
    TempFolder folder;
    folder.WriteFile("app.exe", "MZ");
    folder.WriteFile("clean.lst", kCleanMenu);
    const CheckRun run = RunChecker("--preview previews\\new clean.lst", folder.Path());
    EXPECT_EQ(run.status, 0u) << run.output;
    EXPECT_NE(run.output.find("0 errors, 0 warnings, 2 notes"), std::string::npos) << run.output;
    for (const char* name : {"previews\\new\\preview-en.bmp", "previews\\new\\preview-de.bmp"})
        EXPECT_NE(GetFileAttributesA(folder.PathOf(name).c_str()), INVALID_FILE_ATTRIBUTES) << name;
}

// The sample disc as the build lays it out, with its programs beside the menus.
TEST(CheckerProcess, PassesTheSampleDisc)
{
    const std::string disc = HostPath(SAMPLE_DISC_BUILD_DIR);
    const CheckRun run = RunChecker("kiveron.lst", disc);
    EXPECT_EQ(run.status, 0u) << run.output;
    EXPECT_NE(run.output.find("0 errors, 0 warnings,"), std::string::npos) << run.output;
}
