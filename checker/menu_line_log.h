#ifndef KIVERON_CHECKER_MENU_LINE_LOG_H
#define KIVERON_CHECKER_MENU_LINE_LOG_H

#include "menu/menu_file_observer.h"

#include <cstddef>
#include <string>
#include <vector>

// Everything the parser said about the lines of one menu file, kept so that
// each check can look at it afterwards, and the sections it opened: the n-th
// [Element] header opened the n-th entry the file yields, the n-th
// [Language] header its n-th language.
class MenuLineLog : public MenuFileObserver {
public:
    static const int kNoRecord = -1;

    void OnLine(const MenuLineReport& report) override;

    const std::vector<MenuLineReport>& Lines() const { return lines; }
    const std::vector<int>& ElementHeaders() const { return elementHeaders; }
    const std::vector<int>& LanguageHeaders() const { return languageHeaders; }

    // The entry or language the i-th line belongs to (an index into the
    // file's entries or languages), or kNoRecord in [Main] and before any section.
    int RecordOf(std::size_t i) const { return records[i]; }

    // Whether the i-th line is a key line of that name (any case) that the
    // parser took into the same record as the j-th line.
    bool SameKeyAndRecord(std::size_t i, std::size_t j) const;

    // The line whose value of the key the record still holds at the end:
    // the last one the parser stored, 0 when none. For a Picture, the code
    // tells which one.
    int ValueLine(SectionState section, int record, const wchar_t* key,
                  const std::string* code = nullptr) const;

private:
    std::vector<MenuLineReport> lines;
    std::vector<int> records;
    std::vector<int> elementHeaders;
    std::vector<int> languageHeaders;
    int currentRecord = kNoRecord;
};

// Whether the parser took the line's value: a key line stored or replacing
// an earlier value.
bool TookValue(const MenuLineReport& line);

// The key as the author wrote it, suffix included ("Name_de").
std::wstring KeyAsWritten(const MenuLineReport& line);

// The suffix as written, before its conversion to the ANSI code page.
std::wstring SuffixAsWritten(const MenuLineReport& line);

bool IsKey(const MenuLineReport& line, const wchar_t* key);

// Command, Locale and Marker hold one value for every language: a suffix on
// them is ignored.
bool TakesNoSuffix(const MenuLineReport& line);

#endif
