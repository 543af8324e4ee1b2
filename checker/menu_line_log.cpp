#include "checker/menu_line_log.h"

#include "menu/menu_file_syntax.h"
#include "platform/text_helpers.h"

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
}

bool MenuLineLog::SameKeyAndRecord(std::size_t i, std::size_t j) const
{
    return !lines[i].keyName.empty() && records[i] == records[j] &&
           lines[i].section == lines[j].section &&
           CompareNoCase(lines[i].keyName, lines[j].keyName) == 0;
}

int MenuLineLog::ValueLine(SectionState section, int record, const wchar_t* key,
                           const std::string* code) const
{
    int found = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const MenuLineReport& line = lines[i];
        if (line.section == section && records[i] == record && IsKey(line, key) &&
            TookValue(line) && (code == nullptr || line.languageCode == *code))
            found = line.number;
    }
    return found;
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
    return IsKey(line, L"Command") || IsKey(line, L"Locale") || IsKey(line, L"Marker");
}
