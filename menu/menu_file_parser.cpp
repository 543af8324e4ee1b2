#include "menu/menu_file_parser.h"

#include "menu/menu_file_syntax.h"
#include "platform/text_helpers.h"
#include "platform/text_layer.h"

#include <utility>

namespace {

// What the keys below store, as the Apply functions store it: told to an
// observer, so that nobody outside the parser keeps a copy of these rules.
struct KnownKey {
    const wchar_t* name;
    bool takesLanguage; // stored per language code; else a suffix is ignored
    bool ansiValue;     // converted to the ANSI code page
};

const KnownKey kKnownKeys[] = {
    {L"Caption", true, false},     {L"Picture", true, true},     {L"Name", true, false},
    {L"Description", true, false}, {L"Command", false, true},    {L"Locale", false, true},
    {L"ExitText", true, false},    {L"WarningMsg", true, false}, {L"Marker", false, false},
};

bool SameName(const std::wstring& name, const wchar_t* known)
{
    return CompareNoCase(name, known) == 0;
}

const KnownKey* FindKnownKey(const std::wstring& name)
{
    for (const KnownKey& known : kKnownKeys) {
        if (SameName(name, known.name))
            return &known;
    }
    return nullptr;
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

LineOutcome StoredUnlessPresent(LocalizedText& text, const std::string& code,
                                const std::wstring& value)
{
    return text.Add(code, value) ? LineOutcome::Stored : LineOutcome::KeptEarlier;
}

// The last value given counts; given is whether one came before it.
LineOutcome Assign(std::string& target, const std::wstring& value, bool& given)
{
    target = WideToAnsi(value);
    const bool replaced = given;
    given = true;
    return replaced ? LineOutcome::Replaced : LineOutcome::Stored;
}

LineOutcome AssignPicture(PictureMap& pictures, const std::string& code, const std::wstring& value)
{
    std::pair<PictureMap::iterator, bool> added = pictures.emplace(code, std::string());
    added.first->second = WideToAnsi(value);
    return added.second ? LineOutcome::Stored : LineOutcome::Replaced;
}

// An unrecognised value leaves the marker as it was.
LineOutcome ApplyMarker(const std::wstring& value, MarkerKind& marker)
{
    if (SameName(value, L"Primary"))
        marker = MarkerKind::Primary;
    else if (SameName(value, L"Secondary"))
        marker = MarkerKind::Secondary;
    else
        return LineOutcome::MarkerNotRecognised;
    return LineOutcome::Stored;
}

} // namespace

MenuFileParser::MenuFileParser(MenuFileObserver* observer)
    : observer(observer), lineNumber(0), state(SectionState::None), pendingHasLocale(false),
      pendingHasCommand(false)
{
}

MenuFileContent MenuFileParser::Parse(std::wstring text, MenuFileObserver* observer)
{
    ReplaceCrLfByLf(text);
    MenuFileParser parser(observer);
    std::size_t start = 0;
    std::wstring line;
    while (NextLine(text, start, line))
        parser.ParseLine(line);
    parser.CompletePendingRecord();
    if (observer != nullptr)
        parser.ReportRest(text, start);
    return std::move(parser.content);
}

void MenuFileParser::ParseLine(const std::wstring& line)
{
    ++lineNumber;
    AssignTrimmed(line, 0, line.size(), trimmedLine);
    if (IsSectionLine(trimmedLine))
        ParseSectionLine(trimmedLine);
    else if (SplitKeyLine(trimmedLine, lineKey, lineValue))
        ParseKeyLine();
    else
        Report(trimmedLine.empty() ? LineOutcome::Blank : LineOutcome::NoEquals, false);
}

// A section line that names no known section is ignored and does not end
// the section it stands in.
void MenuFileParser::ParseSectionLine(const std::wstring& line)
{
    const SectionState next = SectionNamedBy(line);
    if (next == SectionState::None) {
        Report(LineOutcome::NotASection, false);
        return;
    }
    CompletePendingRecord();
    state = next;
    pendingLanguage = MenuLanguage();
    pendingElement = MenuElement();
    pendingHasLocale = false;
    pendingHasCommand = false;
    Report(LineOutcome::SectionOpened, false);
}

void MenuFileParser::ParseKeyLine()
{
    SplitLanguageSuffix(lineKey, keyName, languageCode);
    LineOutcome outcome = LineOutcome::BeforeAnySection;
    switch (state) {
    case SectionState::Main: outcome = ApplyMainKey(keyName, languageCode, lineValue); break;
    case SectionState::Language:
        outcome = ApplyLanguageKey(keyName, languageCode, lineValue);
        break;
    case SectionState::Element: outcome = ApplyElementKey(keyName, languageCode, lineValue); break;
    case SectionState::None: break;
    }
    if (observer == nullptr)
        return;
    if (outcome == LineOutcome::WrongSection && FindKnownKey(keyName) == nullptr)
        outcome = LineOutcome::UnknownKey;
    Report(outcome, true);
}

LineOutcome MenuFileParser::ApplyMainKey(const std::wstring& name, const std::string& code,
                                         const std::wstring& value)
{
    if (SameName(name, L"Caption"))
        return StoredUnlessPresent(content.caption, code, value);
    if (SameName(name, L"Picture"))
        return AssignPicture(content.picture, code, value);
    if (SameName(name, L"ExitText"))
        return StoredUnlessPresent(content.exitText, code, value);
    if (SameName(name, L"WarningMsg"))
        return StoredUnlessPresent(content.warningMsg, code, value);
    return LineOutcome::WrongSection;
}

// Locale takes no language: a suffix on it is accepted and ignored.
LineOutcome MenuFileParser::ApplyLanguageKey(const std::wstring& name, const std::string& code,
                                             const std::wstring& value)
{
    if (SameName(name, L"Name"))
        return StoredUnlessPresent(pendingLanguage.name, code, value);
    if (SameName(name, L"Locale"))
        return Assign(pendingLanguage.locale, value, pendingHasLocale);
    return LineOutcome::WrongSection;
}

// Command and Marker take no language: a suffix on them is accepted and
// ignored, so the last one given counts for every language.
LineOutcome MenuFileParser::ApplyElementKey(const std::wstring& name, const std::string& code,
                                            const std::wstring& value)
{
    if (SameName(name, L"Name"))
        return StoredUnlessPresent(pendingElement.name, code, value);
    if (SameName(name, L"Description"))
        return StoredUnlessPresent(pendingElement.description, code, value);
    if (SameName(name, L"Command"))
        return Assign(pendingElement.command, value, pendingHasCommand);
    if (SameName(name, L"Marker"))
        return ApplyMarker(value, pendingElement.marker);
    return LineOutcome::WrongSection;
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

// The text after the last line break is never read; it is worth a report
// only when it holds more than white space.
void MenuFileParser::ReportRest(const std::wstring& text, std::size_t start)
{
    if (start >= text.size())
        return;
    AssignTrimmed(text, start, text.size(), trimmedLine);
    if (trimmedLine.empty())
        return;
    ++lineNumber;
    Report(LineOutcome::AfterLastLineBreak, false);
}

void MenuFileParser::Report(LineOutcome outcome, bool keyLine)
{
    if (observer == nullptr)
        return;
    MenuLineReport report;
    report.number = lineNumber;
    report.outcome = outcome;
    report.section = state;
    report.text = trimmedLine;
    if (keyLine) {
        report.keyName = keyName;
        report.hasSuffix = lineKey.find(L'_') != std::wstring::npos;
        report.languageCode = languageCode;
        report.value = lineValue;
        if (const KnownKey* known = FindKnownKey(keyName)) {
            report.takesLanguage = known->takesLanguage;
            report.ansiValue = known->ansiValue;
        }
    }
    observer->OnLine(report);
}
