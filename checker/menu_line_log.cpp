#include "checker/menu_line_log.h"

#include "menu/menu_file_syntax.h"
#include "platform/text_helpers.h"

namespace {

// Key names match whatever the case of their letters A to Z.
std::wstring SmallLetters(std::wstring name)
{
    for (wchar_t& c : name)
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c - L'A' + L'a');
    return name;
}

// The code under which a key keeps its value: none for the keys that take
// no suffix, whose one value counts for every language.
std::string CodeKeptUnder(const MenuLineReport& line)
{
    return TakesNoSuffix(line) ? std::string() : line.languageCode;
}

} // namespace

void MenuLineLog::OnLine(const MenuLineReport& report)
{
    if (report.outcome == LineOutcome::SectionOpened) {
        std::vector<int>* headers = nullptr;
        if (report.section == SectionState::Element)
            headers = &elementHeaders;
        else if (report.section == SectionState::Language)
            headers = &languageHeaders;
        currentRecord = kNoRecord;
        if (headers != nullptr) {
            headers->push_back(report.number);
            currentRecord = static_cast<int>(headers->size()) - 1;
        }
    }
    lines.push_back(report);
    records.push_back(currentRecord);
    earlierLines.push_back(IndexValue(report));
}

MenuLineLog::ValueKey MenuLineLog::KeyOf(SectionState section, int record,
                                         const std::wstring& keyName, const std::string& code)
{
    return ValueKey(section, record, SmallLetters(keyName), code);
}

// Notes where the line's value went and returns the line a repeat met.
int MenuLineLog::IndexValue(const MenuLineReport& report)
{
    const bool kept = report.outcome == LineOutcome::KeptEarlier;
    if (!TookValue(report) && !kept)
        return 0;
    ValueLines& where =
        values[KeyOf(report.section, currentRecord, report.keyName, CodeKeptUnder(report))];
    const int earlier = kept ? where.first : where.last;
    if (TookValue(report)) {
        if (where.first == 0)
            where.first = report.number;
        where.last = report.number;
    }
    return report.outcome == LineOutcome::Stored ? 0 : earlier;
}

int MenuLineLog::ValueLine(SectionState section, int record, const wchar_t* key,
                           const std::string& code) const
{
    const std::map<ValueKey, ValueLines>::const_iterator found =
        values.find(KeyOf(section, record, key, code));
    return found == values.end() ? 0 : found->second.last;
}

bool TookValue(const MenuLineReport& line)
{
    return line.outcome == LineOutcome::Stored || line.outcome == LineOutcome::Replaced;
}

std::wstring KeyAsWritten(const MenuLineReport& line)
{
    std::wstring key, value;
    if (!SplitKeyLine(line.text, key, value))
        return line.keyName;
    return key;
}

std::wstring SuffixAsWritten(const MenuLineReport& line)
{
    if (!line.hasSuffix)
        return std::wstring();
    const std::wstring key = KeyAsWritten(line);
    return key.substr(key.find(L'_') + 1);
}

bool IsKey(const MenuLineReport& line, const wchar_t* key)
{
    return !line.keyName.empty() && CompareNoCase(line.keyName, key) == 0;
}

bool TakesNoSuffix(const MenuLineReport& line)
{
    return !line.keyName.empty() && !line.takesLanguage;
}
