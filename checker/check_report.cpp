#include "checker/check_report.h"

namespace {

const char* LevelName(FindingLevel level)
{
    switch (level) {
    case FindingLevel::Note: return "note";
    case FindingLevel::Warning: return "warning";
    case FindingLevel::Error: return "error";
    }
    return "note";
}

std::string Counted(int count, const char* singular)
{
    return std::to_string(count) + " " + singular + (count == 1 ? "" : "s");
}

} // namespace

void CheckReport::Add(const std::string& file, int line, FindingLevel level,
                      const std::string& message)
{
    findings.push_back(Finding{file, line, level, message});
}

int CheckReport::Count(FindingLevel level) const
{
    int count = 0;
    for (const Finding& finding : findings) {
        if (finding.level == level)
            ++count;
    }
    return count;
}

int CheckReport::ExitStatus() const
{
    if (Count(FindingLevel::Error) > 0)
        return 2;
    return Count(FindingLevel::Warning) > 0 ? 1 : 0;
}

void CheckReport::Write(std::ostream& out) const
{
    for (const Finding& finding : findings)
        out << FormatFinding(finding) << '\n';
    out << Counted(Count(FindingLevel::Error), "error") << ", "
        << Counted(Count(FindingLevel::Warning), "warning") << ", "
        << Counted(Count(FindingLevel::Note), "note") << '\n';
}

std::string FormatFinding(const Finding& finding)
{
    std::string text = finding.file;
    if (finding.line > 0)
        text += ":" + std::to_string(finding.line);
    return text + ": " + LevelName(finding.level) + ": " + finding.message;
}
