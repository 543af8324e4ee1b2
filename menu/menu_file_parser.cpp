#include "menu/menu_file_parser.h"

#include "menu/menu_file_syntax.h"
#include "platform/text_helpers.h"
#include "platform/text_layer.h"

#include <utility>

namespace {

bool SameName(const std::wstring& name, const wchar_t* known)
{
    return CompareNoCase(name, known) == 0;
}

SectionState SectionNamedBy(const std::wstring& line)
{
    if (SameName(line, L"[Main]"))
        return SectionState::Main;
    if (SameName(line, L"[Element]"))
        return SectionState::Element;
    if (SameName(line, L"[Language]"))
        return SectionState::Language;
    return SectionState::None;
}

// An unrecognised value leaves the marker as it was.
void ApplyMarker(const std::wstring& value, MarkerKind& marker)
{
    if (SameName(value, L"Primary"))
        marker = MarkerKind::Primary;
    else if (SameName(value, L"Secondary"))
        marker = MarkerKind::Secondary;
}

} // namespace

MenuFileParser::MenuFileParser() : state(SectionState::None)
{
}

MenuFileContent MenuFileParser::Parse(std::wstring text)
{
    ReplaceCrLfByLf(text);
    MenuFileParser parser;
    std::size_t start = 0;
    std::wstring line;
    while (NextLine(text, start, line))
        parser.ParseLine(line);
    parser.CompletePendingRecord();
    return std::move(parser.content);
}

void MenuFileParser::ParseLine(const std::wstring& line)
{
    AssignTrimmed(line, 0, line.size(), trimmedLine);
    if (IsSectionLine(trimmedLine))
        ParseSectionLine(trimmedLine);
    else if (SplitKeyLine(trimmedLine, lineKey, lineValue))
        ParseKeyLine();
}

// A section line that names no known section is ignored and does not end
// the section it stands in.
void MenuFileParser::ParseSectionLine(const std::wstring& line)
{
    const SectionState next = SectionNamedBy(line);
    if (next == SectionState::None)
        return;
    CompletePendingRecord();
    state = next;
    pendingLanguage = MenuLanguage();
    pendingElement = MenuElement();
}

void MenuFileParser::ParseKeyLine()
{
    SplitLanguageSuffix(lineKey, keyName, languageCode);
    switch (state) {
    case SectionState::Main:
        ApplyMainKey(keyName, languageCode, lineValue);
        break;
    case SectionState::Language:
        ApplyLanguageKey(keyName, languageCode, lineValue);
        break;
    case SectionState::Element:
        ApplyElementKey(keyName, languageCode, lineValue);
        break;
    case SectionState::None:
        break;
    }
}

void MenuFileParser::ApplyMainKey(const std::wstring& name, const std::string& code,
                                  const std::wstring& value)
{
    if (SameName(name, L"Caption"))
        content.caption.Add(code, value);
    else if (SameName(name, L"Picture"))
        content.picture[code] = WideToAnsi(value);
    else if (SameName(name, L"ExitText"))
        content.exitText.Add(code, value);
    else if (SameName(name, L"WarningMsg"))
        content.warningMsg.Add(code, value);
}

// Locale takes no language: a suffix on it is accepted and ignored.
void MenuFileParser::ApplyLanguageKey(const std::wstring& name, const std::string& code,
                                      const std::wstring& value)
{
    if (SameName(name, L"Name"))
        pendingLanguage.name.Add(code, value);
    else if (SameName(name, L"Locale"))
        pendingLanguage.locale = WideToAnsi(value);
}

// Command and Marker take no language: a suffix on them is accepted and
// ignored, so the last one given counts for every language.
void MenuFileParser::ApplyElementKey(const std::wstring& name, const std::string& code,
                                     const std::wstring& value)
{
    if (SameName(name, L"Name"))
        pendingElement.name.Add(code, value);
    else if (SameName(name, L"Description"))
        pendingElement.description.Add(code, value);
    else if (SameName(name, L"Command"))
        pendingElement.command = WideToAnsi(value);
    else if (SameName(name, L"Marker"))
        ApplyMarker(value, pendingElement.marker);
}

// A section's record is complete when the next known section line or the
// end of the text is reached; every such section yields one, even an empty
// one. The pending records are emptied before they are used again.
void MenuFileParser::CompletePendingRecord()
{
    if (state == SectionState::Element)
        content.elements.push_back(std::move(pendingElement));
    else if (state == SectionState::Language)
        content.languages.push_back(std::move(pendingLanguage));
}
