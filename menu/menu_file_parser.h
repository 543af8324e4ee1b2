#ifndef KIVERON_MENU_MENU_FILE_PARSER_H
#define KIVERON_MENU_MENU_FILE_PARSER_H

#include "menu/menu_file_content.h"

#include <string>

// The section that the lines being read belong to.
enum class SectionState {
    None,
    Main,
    Language,
    Element,
};

// Turns the decoded text of a menu file into its content in one pass over
// its lines. Knows no errors: whatever it does not recognise it ignores.
class MenuFileParser {
public:
    static MenuFileContent Parse(std::wstring text);

private:
    MenuFileParser();

    void ParseLine(const std::wstring& line);
    void ParseSectionLine(const std::wstring& line);
    void ParseKeyLine();
    void ApplyMainKey(const std::wstring& name, const std::string& code, const std::wstring& value);
    void ApplyLanguageKey(const std::wstring& name, const std::string& code,
                          const std::wstring& value);
    void ApplyElementKey(const std::wstring& name, const std::string& code,
                         const std::wstring& value);
    void CompletePendingRecord();

    // Buffers reused from line to line: loading a large menu then costs no
    // allocation per line beyond the texts that are kept.
    std::wstring trimmedLine;
    std::wstring lineKey;
    std::wstring lineValue;
    std::wstring keyName;
    std::string languageCode;

    SectionState state;
    MenuLanguage pendingLanguage;
    MenuElement pendingElement;
    MenuFileContent content;
};

#endif
