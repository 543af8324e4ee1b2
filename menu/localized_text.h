#pragma once
#include <map>
#include <string>

// The language code under which a value without a language suffix is
// stored, and the fallback of every lookup.
extern const char* const kAnyLanguage;

// One user-visible text in several languages: at most one UTF-16 text per
// language code (a narrow string compared byte by byte, case-sensitively).
class LocalizedText {
public:
    using Entries = std::map<std::string, std::wstring>;

    // The text for the code, else the one for any language, else empty.
    std::wstring Lookup(const std::string& code) const;

    // Stores the text unless the code already has one: the first text given
    // for a language is the one that stays. True when it was stored.
    bool Add(const std::string& code, const std::wstring& text);

    // Adds the other's texts for the codes that have none here yet.
    void AddMissing(const LocalizedText& other);

    const Entries& GetEntries() const;
    bool IsEmpty() const;

private:
    Entries entries;
};
