#pragma once
#include <functional>
#include <string>
#include <vector>

// A command line read as process creation reads one: the program is the
// quoted first token, or else the shortest text before a blank that names a
// file, the whole line last; ".exe" is added to a name without an extension.
// The launcher uses it when the shell has to start what process creation
// could not (a shortcut, an installer that asks for elevation), and the menu
// checker to tell what a command finds.

// The file a program name stands for, or empty when there is none.
using ProgramLocator = std::function<std::string(const std::string& name)>;

// The names process creation tries as the program, in order.
std::vector<std::string> ProgramNames(const std::string& commandLine);

struct CommandSplit {
    // The file found for the first name that locate knows; empty when none is.
    std::string program;
    // What follows that name, without the blanks before it.
    std::string arguments;
};

CommandSplit SplitCommand(const std::string& commandLine, const ProgramLocator& locate);

// What the shell is handed for a command line that process creation could
// not start: the whole line when it names a file (a document with blanks in
// its name), else the program and its arguments apart when the line splits
// into a file and what follows it, else the whole line again.
struct ShellRequest {
    std::string file;
    std::string parameters;
};

ShellRequest ShellRequestFor(const std::string& commandLine, const ProgramLocator& locate);
