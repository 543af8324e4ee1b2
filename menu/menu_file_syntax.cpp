#include "menu/menu_file_syntax.h"

#include "menu/localized_text.h"
#include "platform/text_helpers.h"
#include "platform/text_layer.h"

void ReplaceCrLfByLf(std::wstring& text)
{
    // Dropping each CR that an LF follows is what replacing the pairs one by
    // one from the start gives, without moving the rest of the text each time.
    std::size_t kept = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool crBeforeLf = text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n';
        if (!crBeforeLf)
            text[kept++] = text[i];
    }
    text.resize(kept);
}

bool NextLine(const std::wstring& text, std::size_t& start, std::wstring& line)
{
    if (start > text.size())
        return false;
    const std::size_t lineFeed = text.find(L'\n', start);
    if (lineFeed == std::wstring::npos)
        return false;
    line.assign(text, start, lineFeed - start);
    start = lineFeed + 1;
    return true;
}

bool IsSectionLine(const std::wstring& trimmedLine)
{
    return !trimmedLine.empty() && trimmedLine[0] == L'[';
}

bool SplitKeyLine(const std::wstring& line, std::wstring& key, std::wstring& value)
{
    const std::size_t equals = line.find(L'=');
    if (equals == std::wstring::npos)
        return false;
    AssignTrimmed(line, 0, equals, key);
    AssignTrimmed(line, equals + 1, line.size(), value);
    return true;
}

void SplitLanguageSuffix(const std::wstring& key, std::wstring& name, std::string& code)
{
    const std::size_t underscore = key.find(L'_');
    if (underscore == std::wstring::npos) {
        name.assign(key);
        code = kAnyLanguage;
        return;
    }
    name.assign(key, 0, underscore);
    code = WideToAnsi(key.substr(underscore + 1));
}
