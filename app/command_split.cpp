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

std::string ArgumentsFrom(const std::string& commandLine, std::string::size_type from)
{
    while (from < commandLine.size() && IsBlank(commandLine[from]))
        ++from;
    return commandLine.substr(from);
}

} // namespace

std::vector<ProgramCandidate> ProgramCandidates(const std::string& commandLine)
{
    std::vector<ProgramCandidate> candidates;
    if (!commandLine.empty() && commandLine[0] == '"') {
        // An unclosed quote takes the rest of the line.
        const std::string::size_type close = commandLine.find('"', 1);
        if (close == std::string::npos)
            candidates.push_back({WithExtension(commandLine.substr(1)), std::string()});
        else
            candidates.push_back({WithExtension(commandLine.substr(1, close - 1)),
                                  ArgumentsFrom(commandLine, close + 1)});
        return candidates;
    }
    for (std::string::size_type i = 1; i < commandLine.size(); ++i)
        if (IsBlank(commandLine[i]) && !IsBlank(commandLine[i - 1]))
            candidates.push_back(
                {WithExtension(commandLine.substr(0, i)), ArgumentsFrom(commandLine, i)});
    if (!commandLine.empty() && !IsBlank(commandLine.back()))
        candidates.push_back({WithExtension(commandLine), std::string()});
    return candidates;
}
