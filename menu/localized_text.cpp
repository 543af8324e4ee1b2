#include "menu/localized_text.h"

const char* const kAnyLanguage = "*";

std::wstring LocalizedText::Lookup(const std::string& code) const
{
    Entries::const_iterator found = entries.find(code);
    if (found == entries.end())
        found = entries.find(kAnyLanguage);
    return found != entries.end() ? found->second : std::wstring();
}

bool LocalizedText::Add(const std::string& code, const std::wstring& text)
{
    return entries.insert(Entries::value_type(code, text)).second;
}

void LocalizedText::AddMissing(const LocalizedText& other)
{
    entries.insert(other.entries.begin(), other.entries.end());
}

const LocalizedText::Entries& LocalizedText::GetEntries() const
{
    return entries;
}

bool LocalizedText::IsEmpty() const
{
    return entries.empty();
}
