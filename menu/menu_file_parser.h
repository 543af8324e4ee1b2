#pragma once
#include "menu/menu_file_content.h"
#include "menu/menu_file_observer.h"

#include <string>

// Turns the decoded text of a menu file into its content in one pass over
// its lines. Knows no errors: whatever it does not recognise it ignores.
// An observer, when given, hears what became of every line.
class MenuFileParser {
public:
    static MenuFileContent Parse(std::wstring text, MenuFileObserver* observer = nullptr);

private:
    explicit MenuFileParser(MenuFileObserver* observer);

    void ParseLine(const std::wstring& line);
    void ParseSectionLine(const std::wstring& line);
    void ParseKeyLine();
    LineOutcome ApplyMainKey(const std::wstring& name, const std::string& code,
                             const std::wstring& value);
    LineOutcome ApplyLanguageKey(const std::wstring& name, const std::string& code,
                                 const std::wstring& value);
    LineOutcome ApplyElementKey(const std::wstring& name, const std::string& code,
                                const std::wstring& value);
    void CompletePendingRecord();
    void ReportRest(const std::wstring& text, std::size_t start);
    void Report(LineOutcome outcome, bool keyLine);

    // Buffers reused from line to line: loading a large menu then costs no
    // allocation per line beyond the texts that are kept.
    std::wstring trimmedLine;
    std::wstring lineKey;
    std::wstring lineValue;
    std::wstring keyName;
    std::string languageCode;

    MenuFileObserver* observer;
    int lineNumber;
    SectionState state;
    MenuLanguage pendingLanguage;
    MenuElement pendingElement;
    // Whether the pending records were given a Locale or a Command yet: an
    // empty value given first is replaced like any other.
    bool pendingHasLocale;
    bool pendingHasCommand;
    MenuFileContent content;
};
