#include "checker/command_probe.h"

#include "app/command_split.h"
#include "app/launch_candidates.h"
#include "checker/disc_root.h"

#include <windows.h>

#include <cctype>
#include <fstream>

namespace {

bool HasFolder(const std::string& name)
{
    return name.find_first_of("\\/:") != std::string::npos;
}

bool IsFile(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string SystemFolder(UINT(WINAPI* query)(LPSTR, UINT))
{
    char folder[MAX_PATH];
    const UINT length = query(folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(folder, length) : std::string();
}

// Where process creation looks for a program named without a folder: the
// folder of kiveron.exe and the current one (both the root of the medium),
// the system folders, then the PATH. Not the checker's own folder, which
// the search of the system would put first.
std::string ProgramSearchPath(const DiscRoot& disc)
{
    std::string path = disc.RootFolder() + ";" + SystemFolder(GetSystemDirectoryA) + ";" +
                       SystemFolder(GetWindowsDirectoryA);
    const DWORD needed = GetEnvironmentVariableA("PATH", nullptr, 0);
    if (needed > 0) {
        std::string variable(needed, '\0');
        variable.resize(GetEnvironmentVariableA("PATH", &variable[0], needed));
        path += ";" + variable;
    }
    return path;
}

// A name with a folder is found on the medium (from its root when
// relative); a bare name is searched for as process creation searches.
std::string FindProgramFile(const std::string& name, const DiscRoot& disc)
{
    if (HasFolder(name)) {
        const std::string file = disc.FileOf(name);
        return IsFile(file) ? file : std::string();
    }
    const std::string searchPath = ProgramSearchPath(disc);
    char found[MAX_PATH];
    const DWORD length =
        SearchPathA(searchPath.c_str(), name.c_str(), nullptr, MAX_PATH, found, nullptr);
    if (length == 0 || length >= MAX_PATH || !IsFile(found))
        return std::string();
    return found;
}

bool EndsWithNoCase(const std::string& text, const char* end)
{
    const std::string tail(end);
    if (text.size() < tail.size())
        return false;
    return lstrcmpiA(text.c_str() + text.size() - tail.size(), tail.c_str()) == 0;
}

// Process creation runs programs (whatever their extension) and batch files.
bool CanRun(const std::string& path)
{
    if (EndsWithNoCase(path, ".bat") || EndsWithNoCase(path, ".cmd"))
        return true;
    std::ifstream file(path, std::ios::binary);
    char mark[2] = {};
    return file.read(mark, 2) && mark[0] == 'M' && mark[1] == 'Z';
}

} // namespace

bool IsShellUrl(const std::string& command)
{
    const std::string::size_type colon = command.find(':');
    if (colon == std::string::npos || colon < 2 ||
        !std::isalpha(static_cast<unsigned char>(command[0])))
        return false;
    for (std::string::size_type i = 1; i < colon; ++i) {
        const unsigned char c = static_cast<unsigned char>(command[i]);
        if (!std::isalnum(c) && c != '+' && c != '-' && c != '.')
            return false;
    }
    return true;
}

bool FileOrFolderExists(const std::string& path)
{
    return !path.empty() && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

LaunchProbe ProbeCandidate(const std::string& candidate, const DiscRoot& disc)
{
    const std::string file = disc.FileOf(candidate);
    if (IsNestedMenu(candidate))
        return LaunchProbe{LaunchKind::NestedMenu, file};
    // Process creation takes the first name it finds, whether it can run it or not.
    const std::string program = SplitCommand(candidate, [&disc](const std::string& name) {
                                    return FindProgramFile(name, disc);
                                }).program;
    if (!program.empty() && CanRun(program))
        return LaunchProbe{LaunchKind::Program, program};
    // The shell then gets the candidate, or its program and arguments apart.
    if (FileOrFolderExists(file))
        return LaunchProbe{LaunchKind::Document, file};
    const ShellRequest shell = ShellRequestFor(candidate, [&disc](const std::string& name) {
        const std::string onDisc = disc.FileOf(name);
        return IsFile(onDisc) ? onDisc : std::string();
    });
    if (!shell.parameters.empty() || shell.file != candidate)
        return LaunchProbe{LaunchKind::Document, shell.file};
    return LaunchProbe{LaunchKind::Nothing, file};
}
