#include "checker/command_probe.h"

#include "app/main_window_rules.h"

#include <windows.h>

#include <cctype>
#include <fstream>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string WithExtension(const std::string& name)
{
    const std::string::size_type nameStart = name.find_last_of("\\/:");
    const std::string::size_type dot = name.find_last_of('.');
    const bool hasExtension =
        dot != std::string::npos && (nameStart == std::string::npos || dot > nameStart);
    return hasExtension ? name : name + ".exe";
}

bool HasFolder(const std::string& name)
{
    return name.find_first_of("\\/:") != std::string::npos;
}

bool IsFile(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A name with a folder is taken as it is (against the current folder when
// relative); a bare name is searched for as process creation searches.
std::string FindProgramFile(const std::string& name)
{
    if (HasFolder(name))
        return IsFile(name) ? name : std::string();
    char found[MAX_PATH];
    const DWORD length = SearchPathA(nullptr, name.c_str(), nullptr, MAX_PATH, found, nullptr);
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

std::vector<std::string> ProgramNames(const std::string& commandLine)
{
    std::vector<std::string> names;
    if (!commandLine.empty() && commandLine[0] == '"') {
        const std::string::size_type close = commandLine.find('"', 1);
        names.push_back(WithExtension(commandLine.substr(1, close == std::string::npos ? close : close - 1)));
        return names;
    }
    for (std::string::size_type i = 0; i < commandLine.size(); ++i)
        if (IsBlank(commandLine[i]) && i > 0 && !IsBlank(commandLine[i - 1]))
            names.push_back(WithExtension(commandLine.substr(0, i)));
    if (!commandLine.empty() && !IsBlank(commandLine.back()))
        names.push_back(WithExtension(commandLine));
    return names;
}

bool IsShellUrl(const std::string& command)
{
    const std::string::size_type colon = command.find(':');
    if (colon == std::string::npos || colon < 2 || !std::isalpha(static_cast<unsigned char>(command[0])))
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

LaunchProbe ProbeCandidate(const std::string& candidate)
{
    if (IsNestedMenu(candidate))
        return LaunchProbe{LaunchKind::NestedMenu, candidate};
    // Process creation takes the first name it finds, whether it can run it or not.
    for (const std::string& name : ProgramNames(candidate)) {
        const std::string program = FindProgramFile(name);
        if (program.empty())
            continue;
        if (CanRun(program))
            return LaunchProbe{LaunchKind::Program, program};
        break;
    }
    if (FileOrFolderExists(candidate))
        return LaunchProbe{LaunchKind::Document, candidate};
    return LaunchProbe{LaunchKind::Nothing, candidate};
}
