#include "app/command_split.h"

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

// A program name as written and where the arguments after it begin.
struct NameAndRest {
    std::string name;
    std::string::size_type rest;
};

std::string::size_type SkipBlanks(const std::string& text, std::string::size_type from)
{
    while (from < text.size() && IsBlank(text[from]))
        ++from;
    return from;
}

std::vector<NameAndRest> ProgramNameCandidates(const std::string& commandLine)
{
    std::vector<NameAndRest> names;
    if (!commandLine.empty() && commandLine[0] == '"') {
        // An unclosed quote takes the rest of the line.
        const std::string::size_type close = commandLine.find('"', 1);
        if (close == std::string::npos)
            names.push_back({commandLine.substr(1), commandLine.size()});
        else
            names.push_back({commandLine.substr(1, close - 1), SkipBlanks(commandLine, close + 1)});
        return names;
    }
    for (std::string::size_type i = 1; i < commandLine.size(); ++i)
        if (IsBlank(commandLine[i]) && !IsBlank(commandLine[i - 1]))
            names.push_back({commandLine.substr(0, i), SkipBlanks(commandLine, i)});
    if (!commandLine.empty() && !IsBlank(commandLine.back()))
        names.push_back({commandLine, commandLine.size()});
    return names;
}

} // namespace

std::vector<std::string> ProgramNames(const std::string& commandLine)
{
    std::vector<std::string> names;
    for (const NameAndRest& candidate : ProgramNameCandidates(commandLine))
        names.push_back(WithExtension(candidate.name));
    return names;
}

CommandSplit SplitCommand(const std::string& commandLine, const ProgramLocator& locate)
{
    for (const NameAndRest& candidate : ProgramNameCandidates(commandLine)) {
        const std::string program = locate(WithExtension(candidate.name));
        if (!program.empty())
            return CommandSplit{program, commandLine.substr(candidate.rest)};
    }
    return CommandSplit{};
}

ShellRequest ShellRequestFor(const std::string& commandLine, const ProgramLocator& locate)
{
    const std::string whole = locate(commandLine);
    if (!whole.empty())
        return ShellRequest{whole, std::string()};
    const CommandSplit split = SplitCommand(commandLine, locate);
    if (!split.program.empty())
        return ShellRequest{split.program, split.arguments};
    return ShellRequest{commandLine, std::string()};
}
