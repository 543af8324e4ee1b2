// Starting an entry's command: a program, a document, or a nested menu that
// replaces the current one inside the same window.
#include "app/main_window.h"

#include <vector>

#include <shellapi.h>

#include "app/application.h"
#include "app/com_apartment.h"
#include "app/command_split.h"
#include "app/launch_candidates.h"
#include "app/module_path.h"
#include "platform/text_layer.h"

namespace {

// The warning before a launch belongs to systems of version 6 and later,
// where starting a program from a disc may raise a prompt of its own.
bool IsVersionSixOrLater()
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    const BOOL known = GetVersionExA(&version);
#pragma GCC diagnostic pop
    return known && version.dwMajorVersion >= 6;
}

bool StartProcess(const std::string& commandLine)
{
    // CreateProcessA may write into its command line: give it a copy.
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    // The menu does not wait for what it started.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

// Entered before the first shell call, left at exit.
ComApartment shellApartment;

std::string ExistingFile(const std::string& name)
{
    const DWORD attributes = GetFileAttributesA(name.c_str());
    const bool isFile =
        attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    return isFile ? name : std::string();
}

// What process creation could not start (a shortcut, an installer that asks
// for elevation) the shell may: it takes a program and its arguments apart,
// so a command line that carries arguments is split for it first.
bool OpenWithShell(const std::string& commandLine)
{
    // The shell's handlers may use COM, which it expects the caller to have
    // entered on this thread.
    shellApartment.Enter();
    const ShellRequest request = ShellRequestFor(commandLine, ExistingFile);
    const char* parameters = request.parameters.empty() ? nullptr : request.parameters.c_str();
    const HINSTANCE result =
        ShellExecuteA(nullptr, nullptr, request.file.c_str(), parameters, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

// A command of nothing but blanks names nothing; as written, it would be
// tried as the bare drive or folder of the executable, which the shell opens.
bool IsBlankCommand(const std::string& command)
{
    return command.find_first_not_of(" \t") == std::string::npos;
}

} // namespace

void MainWindow::ActivateElement(int row)
{
    const int element = ElementOfRow(row);
    if (element < 0)
        return;
    const std::string command = document.ElementAt(static_cast<size_t>(element)).command;
    if (IsBlankCommand(command))
        return;
    const std::vector<std::string> candidates = LaunchCandidates(ModuleFilePath(), command);

    if (!IsNestedMenu(candidates.front()) && IsVersionSixOrLater()) {
        const std::wstring warning = document.GetWarningMsg().Lookup(currentLanguage);
        if (!warning.empty())
            MessageBoxAuto(dialog, warning, AnsiToWide(Application::Title()), MB_ICONINFORMATION);
    }

    bool started = false;
    bool triedMenu = false;
    std::string loadError;
    for (const std::string& candidate : candidates) {
        triedMenu = triedMenu || IsNestedMenu(candidate);
        if (Launch(candidate, &loadError)) {
            started = true;
            break;
        }
    }
    ReleaseCapture();
    // A nested menu that none of the candidates could load is reported like
    // the start-up menu, and the menu shown stays as it was.
    if (!started && triedMenu)
        MessageBoxA(dialog, loadError.c_str(), Application::Title().c_str(), MB_ICONERROR);

    RECT client;
    GetClientRect(dialog, &client);
    InvalidateRect(dialog, &client, TRUE);
}

bool MainWindow::Launch(const std::string& path, std::string* loadError)
{
    if (IsNestedMenu(path))
        return OpenNestedMenu(path, loadError);
    return StartProcess(path) || OpenWithShell(path);
}

bool MainWindow::OpenNestedMenu(const std::string& path, std::string* loadError)
{
    try {
        document.Load(path);
    } catch (const InputDataException& error) {
        // A failed load leaves the document untouched: the next candidate
        // may still name a readable menu. The box names the first file
        // tried, the one the command means from the menu's drive.
        if (loadError != nullptr && loadError->empty())
            *loadError = MenuLoadFailureText(path, error.Message());
        return false;
    }
    // The language stays: a nested menu makes no new start-up choice. The
    // old menu's description and the row under the mouse go with its rows.
    description.SetText(std::wstring());
    menuList.ForgetHover();
    menuList.Clear();
    Refresh();
    LoadPicture();
    menuList.Relayout();
    RECT client;
    GetClientRect(dialog, &client);
    InvalidateRect(dialog, &client, TRUE);
    return true;
}
