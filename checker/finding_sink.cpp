#include "checker/finding_sink.h"

#include <algorithm>
#include <utility>

FindingSink::FindingSink(std::string file) : file(std::move(file)) {}

void FindingSink::Note(int line, const std::string& message)
{
    Add(line, FindingLevel::Note, message);
}

void FindingSink::Warning(int line, const std::string& message)
{
    Add(line, FindingLevel::Warning, message);
}

void FindingSink::Error(int line, const std::string& message)
{
    Add(line, FindingLevel::Error, message);
}

void FindingSink::Add(int line, FindingLevel level, const std::string& message)
{
    findings.push_back(Finding{file, line, level, message});
}

void FindingSink::MoveTo(CheckReport& report)
{
    // Stable: the findings about one line keep the order they were made in.
    std::stable_sort(findings.begin(), findings.end(),
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });
    for (const Finding& finding : findings)
        report.Add(finding.file, finding.line, finding.level, finding.message);
    findings.clear();
}
