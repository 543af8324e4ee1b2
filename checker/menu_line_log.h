#pragma once
#include "menu/menu_file_observer.h"

#include <cstddef>
#include <map>
#include <string>
#include <tuple>
#include <vector>

// Everything the parser said about the lines of one menu file, kept so that
// each check can look at it afterwards, and the sections it opened: the n-th
// [Element] header opened the n-th entry the file yields, the n-th
// [Language] header its n-th language. Which line holds which value is
// indexed as the lines arrive, so that a menu of many entries is checked in
// one pass, not one pass an entry.
class MenuLineLog : public MenuFileObserver {
public:
    static const int kNoRecord = -1;

    void OnLine(const MenuLineReport& report) override;

    const std::vector<MenuLineReport>& Lines() const { return lines; }
    // The parser reports every line once, in order: line n is the n-th report.
    const MenuLineReport& LineNumbered(int number) const { return lines[number - 1]; }
    const std::vector<int>& ElementHeaders() const { return elementHeaders; }
    const std::vector<int>& LanguageHeaders() const { return languageHeaders; }

    // The entry or language the i-th line belongs to (an index into the
    // file's entries or languages), or kNoRecord in [Main] and before any section.
    int RecordOf(std::size_t i) const { return records[i]; }

    // For a line that repeats a key, the line whose value it met: the first
    // one when the earlier text stays, the last one when it is replaced; 0
    // for any other line.
    int EarlierLine(std::size_t i) const { return earlierLines[i]; }

    // The line whose value of the key the record still holds at the end:
    // the last one the parser stored, 0 when none. For a Picture, the code
    // tells which one.
    int ValueLine(SectionState section, int record, const wchar_t* key,
                  const std::string& code = std::string()) const;

private:
    // A value the parser keeps: section, record, key name in small letters,
    // and the language code for the keys that take one.
    using ValueKey = std::tuple<SectionState, int, std::wstring, std::string>;
    struct ValueLines {
        int first = 0;
        int last = 0;
    };

    static ValueKey KeyOf(SectionState section, int record, const std::wstring& keyName,
                          const std::string& code);
    int IndexValue(const MenuLineReport& report);

    std::vector<MenuLineReport> lines;
    std::vector<int> records;
    std::vector<int> earlierLines;
    std::vector<int> elementHeaders;
    std::vector<int> languageHeaders;
    std::map<ValueKey, ValueLines> values;
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

// A key that holds one value for every language, as the parser tells it
// (Command, Locale, Marker): a suffix on it is ignored.
bool TakesNoSuffix(const MenuLineReport& line);
