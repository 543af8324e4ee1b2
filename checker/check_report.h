#pragma once
#include <ostream>
#include <string>
#include <vector>

// How much a finding matters to the author. A note tells what Kiveron will
// do and needs no change; a warning is something the author most likely
// did not mean; an error is a menu that cannot be read at all.
enum class FindingLevel {
    Note,
    Warning,
    Error,
};

struct Finding {
    std::string file; // as the author named it, or as the menu led to it
    int line = 0;     // 1-based; 0 for a finding about the whole file
    FindingLevel level = FindingLevel::Note;
    std::string message; // UTF-8
};

// The findings of one run of the checker, in the order they were made.
class CheckReport {
public:
    void Add(const std::string& file, int line, FindingLevel level, const std::string& message);

    const std::vector<Finding>& Findings() const { return findings; }
    int Count(FindingLevel level) const;

    // 0 without warnings or errors, 1 with warnings, 2 with an error: disc
    // builds run the checker in their own scripts and stop on what they choose.
    int ExitStatus() const;

    // One "file:line: level: message" line a finding, then the summary line.
    void Write(std::ostream& out) const;

private:
    std::vector<Finding> findings;
};

// "file:line: level: message", or "file: level: message" for the whole file.
std::string FormatFinding(const Finding& finding);
