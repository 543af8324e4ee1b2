#pragma once
#include <string>
#include <vector>

// A command line read as process creation reads one: the program is the
// quoted first token, or else the shortest text before a blank that names a
// file, the whole line last; ".exe" is added to a name without an extension.
// The launcher uses it when the shell has to start what process creation
// could not (a shortcut, an installer that asks for elevation), and the menu
// checker to tell what a command finds.

// One way to read the line: a name process creation tries as the program,
// and what would then be its arguments (without the blanks before them).
struct ProgramCandidate {
    std::string name;
    std::string arguments;
};

// The readings in the order process creation tries them.
std::vector<ProgramCandidate> ProgramCandidates(const std::string& commandLine);

struct CommandSplit {
    // The file found for the first name that locate knows; empty when none is.
    std::string program;
    std::string arguments;
};

// locate(name) gives the file a program name stands for, or empty.
template <class Locate>
CommandSplit SplitCommand(const std::string& commandLine, const Locate& locate)
{
    for (const ProgramCandidate& candidate : ProgramCandidates(commandLine)) {
        const std::string program = locate(candidate.name);
        if (!program.empty())
            return CommandSplit{program, candidate.arguments};
    }
    return CommandSplit{};
}

// What the shell is handed for a command line that process creation could
// not start: the whole line when it names a file (a document with blanks in
// its name), else the program and its arguments apart when the line splits
// into a file and what follows it, else the whole line again.
struct ShellRequest {
    std::string file;
    std::string parameters;
};

template <class Locate>
ShellRequest ShellRequestFor(const std::string& commandLine, const Locate& locate)
{
    const std::string whole = locate(commandLine);
    if (!whole.empty())
        return ShellRequest{whole, std::string()};
    const CommandSplit split = SplitCommand(commandLine, locate);
    if (!split.program.empty())
        return ShellRequest{split.program, split.arguments};
    return ShellRequest{commandLine, std::string()};
}
