#pragma once
#include "checker/disc_root.h"

#include <string>
#include <vector>

// What Kiveron's launch would make of one candidate path of a command,
// found by looking at the files only: nothing is started.
enum class LaunchKind {
    NestedMenu, // a name with ".lst": loaded as a menu, if it can be
    Program,    // process creation would start this program
    Document,   // process creation fails and the shell opens the candidate
    Nothing,    // neither: the next candidate is tried
};

struct LaunchProbe {
    LaunchKind kind = LaunchKind::Nothing;
    // The program found, or the file the candidate names.
    std::string target;
};

// The candidate as Kiveron hands it to Windows from the root of the medium.
LaunchProbe ProbeCandidate(const std::string& candidate, const DiscRoot& disc);

// A command that the shell opens as an address: "http://...", "mailto:...".
// One letter before the colon is a drive, not a scheme.
bool IsShellUrl(const std::string& command);

bool FileOrFolderExists(const std::string& path);
