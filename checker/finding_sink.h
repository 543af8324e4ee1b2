#pragma once
#include "checker/check_report.h"

#include <string>
#include <vector>

// The findings about one menu file while it is checked. They reach the
// report in the order of the lines they are about (findings about the whole
// file first), as the author reads the file, whatever check made them.
class FindingSink {
public:
    explicit FindingSink(std::string file);

    void Note(int line, const std::string& message);
    void Warning(int line, const std::string& message);
    void Error(int line, const std::string& message);

    // Hands the findings over, ordered by line, and forgets them.
    void MoveTo(CheckReport& report);

    const std::vector<Finding>& Findings() const { return findings; }

private:
    void Add(int line, FindingLevel level, const std::string& message);

    std::string file;
    std::vector<Finding> findings;
};
