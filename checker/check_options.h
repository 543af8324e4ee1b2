#pragma once
#include <string>
#include <vector>

// What one run of kiveron-check is asked to do:
//   kiveron-check [--preview DIR [--guides]] [--codepage N] path\to\kiveron.lst
struct CheckOptions {
    std::string menuPath;
    // Where the previews go; empty for none.
    std::string previewFolder;
    // Each preview also with the areas the dialog draws over its picture.
    bool guides = false;
    // The ANSI code page that commands, picture paths and language codes
    // are converted to; 0 for the one of the system the checker runs on.
    unsigned codePage = 0;
};

extern const char* const kCheckUsage;

// The options of a command line without the program's name. False, with
// the reason in error, when the arguments do not make a run.
bool ParseCheckOptions(const std::vector<std::string>& arguments, CheckOptions& options,
                       std::string& error);
