#include "checker/language_findings.h"

#include "app/startup_language.h"
#include "checker/checker_text.h"
#include "menu/localized_text.h"

#include <windows.h>

#include <algorithm>
#include <map>
#include <set>

namespace {

// Primary language ids take ten bits.
const WORD kPrimaryLanguageCount = 0x400;

std::string LowerAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

bool Contains(const std::vector<std::string>& codes, const std::string& code)
{
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

std::vector<std::string> DeclaredLocales(const MenuDocument& document)
{
    std::vector<std::string> locales;
    for (const MenuLanguage& language : document.GetLanguages())
        locales.push_back(language.locale);
    return locales;
}

// Each declared code once, in the order declared; none empty.
std::vector<std::string> DistinctLocales(const std::vector<std::string>& declared)
{
    std::vector<std::string> codes;
    std::set<std::string> seen;
    for (const std::string& code : declared)
        if (!code.empty() && seen.insert(code).second)
            codes.push_back(code);
    return codes;
}

// A declared code that differs from code in the case of its letters only.
std::string SameButForCase(const std::vector<std::string>& codes, const std::string& code)
{
    for (const std::string& declared : codes)
        if (declared != code && LowerAscii(declared) == LowerAscii(code))
            return declared;
    return std::string();
}

// A text's code, as a localizable key line stored or kept it.
bool UsesCode(const MenuLineReport& line)
{
    return line.hasSuffix && line.languageCode != kAnyLanguage &&
           (line.outcome == LineOutcome::Stored || line.outcome == LineOutcome::KeptEarlier) &&
           !TakesNoSuffix(line);
}

std::string UndeclaredMessage(const MenuLineReport& line, const std::vector<std::string>& declared)
{
    const std::string key = Quoted(KeyAsWritten(line));
    if (line.languageCode.empty())
        return key +
               " has an empty language code, which no [Language] declares; its text is never shown";
    const std::string code = Quoted(SuffixAsWritten(line));
    const std::string declaredCase = SameButForCase(declared, line.languageCode);
    if (!declaredCase.empty())
        return "the language code " + code + " of " + key +
               " differs only in case from the declared " + Quoted(Utf8FromAnsi(declaredCase)) +
               "; codes are compared exactly, so its text is never shown";
    return "the language code " + code + " of " + key +
           " is declared by no [Language]; its texts are never shown";
}

// Each code once, on the first line that uses it. A language without a
// Locale makes the empty code the current one when it is chosen.
void ReportUndeclaredCodes(const MenuLineLog& log, const std::vector<std::string>& declared,
                           FindingSink& sink)
{
    const std::set<std::string> declaredCodes(declared.begin(), declared.end());
    std::set<std::string> reported;
    for (const MenuLineReport& line : log.Lines()) {
        if (!UsesCode(line) || declaredCodes.count(line.languageCode) > 0 ||
            !reported.insert(line.languageCode).second)
            continue;
        sink.Warning(line.number, UndeclaredMessage(line, declared));
    }
}

std::string DeclaredAgainMessage(const MenuLineLog& log, const std::vector<MenuLanguage>& languages,
                                 std::size_t earlier)
{
    const std::string locale = Quoted(Utf8FromAnsi(languages[earlier].locale));
    const int line = log.ValueLine(SectionState::Language, static_cast<int>(earlier), L"Locale");
    return "Locale " + locale + " is declared again (first on line " + std::to_string(line) +
           "); the language chooser lists it twice";
}

// The i-th language the file declares; earlier is the file's first language
// of the same Locale. A Locale held already before the file was loaded adds
// nothing and was checked where it was first declared.
void ReportOwnLanguage(const MenuLineLog& log, const std::vector<MenuLanguage>& languages,
                       std::size_t i, std::size_t earlier, bool held,
                       const std::vector<std::string>& systemCodes, FindingSink& sink)
{
    const int record = static_cast<int>(i);
    const std::string& locale = languages[i].locale;
    const int localeLine = log.ValueLine(SectionState::Language, record, L"Locale");
    if (locale.empty()) {
        sink.Warning(log.LanguageHeaders()[record],
                     "this [Language] gives no Locale (or an empty one); choosing it shows only "
                     "the texts without language suffix and those written \"Key_=\"");
        return;
    }
    if (held)
        return;
    if (earlier < i) {
        sink.Warning(localeLine, DeclaredAgainMessage(log, languages, earlier));
        return;
    }
    const std::string systemCode = SameButForCase(systemCodes, locale);
    if (!systemCode.empty())
        sink.Warning(localeLine, "Locale " + Quoted(Utf8FromAnsi(locale)) +
                                     " differs only in case from " + Quoted(systemCode) +
                                     ", the code Kiveron takes from the system's "
                                     "language; it is never chosen at start");
}

void ReportOwnLanguages(const MenuLineLog& log, const std::vector<MenuLanguage>& languages,
                        const std::vector<std::string>& heldLocales, FindingSink& sink)
{
    const std::vector<std::string> systemCodes = SystemLanguageCodes();
    std::map<std::string, std::size_t> firstOfLocale;
    for (std::size_t i = 0; i < languages.size() && i < log.LanguageHeaders().size(); ++i) {
        const std::size_t earlier = firstOfLocale.emplace(languages[i].locale, i).first->second;
        ReportOwnLanguage(log, languages, i, earlier, Contains(heldLocales, languages[i].locale),
                          systemCodes, sink);
    }
}

// The name an author knows the entry by: the one without suffix, else the first.
std::string EntryName(const MenuElement& element)
{
    const LocalizedText::Entries& names = element.name.GetEntries();
    const std::wstring any = element.name.Lookup(kAnyLanguage);
    if (!any.empty() || names.empty())
        return Quoted(any);
    return Quoted(names.begin()->second);
}

// The codes an entry must have a name for: the declared ones, or "*" when
// the menu declares none and only texts without suffix are ever shown.
std::vector<std::string> ShownCodes(const std::vector<std::string>& declared)
{
    std::vector<std::string> codes = DistinctLocales(declared);
    if (declared.empty())
        codes.push_back(kAnyLanguage);
    return codes;
}

void ReportEntryNames(const MenuElement& element, int header, const std::vector<std::string>& codes,
                      FindingSink& sink)
{
    if (element.name.IsEmpty()) {
        sink.Warning(header, "this entry has no Name; it is never listed");
        return;
    }
    for (const std::string& code : codes) {
        if (!element.name.Lookup(code).empty())
            continue;
        if (code == kAnyLanguage)
            sink.Warning(header, "the entry " + EntryName(element) +
                                     " has no Name without language "
                                     "suffix, and no language is declared; it is never listed");
        else
            sink.Warning(header, "the entry " + EntryName(element) + " has no Name for language " +
                                     Quoted(Utf8FromAnsi(code)) +
                                     " and none without suffix; it is "
                                     "not listed in that language");
    }
}

void ReportEntries(const MenuLineLog& log, const MenuDocument& document,
                   const std::vector<std::string>& declared, FindingSink& sink)
{
    const std::vector<MenuElement> elements = document.GetElements();
    const std::vector<std::string> codes = ShownCodes(declared);
    for (std::size_t i = 0; i < elements.size() && i < log.ElementHeaders().size(); ++i)
        ReportEntryNames(elements[i], log.ElementHeaders()[i], codes, sink);
}

std::string JoinedCodes(const std::vector<std::string>& codes)
{
    std::string joined;
    for (const std::string& code : codes)
        joined += (joined.empty() ? "" : ", ") + code;
    return joined;
}

} // namespace

std::vector<std::string> SystemLanguageCodes()
{
    std::vector<std::string> codes;
    for (WORD primary = 0; primary < kPrimaryLanguageCount; ++primary) {
        const std::string code = LanguageCodeForUser(MAKELANGID(primary, SUBLANG_DEFAULT));
        if (!Contains(codes, code))
            codes.push_back(code);
    }
    std::sort(codes.begin(), codes.end());
    return codes;
}

bool NoSystemLanguageFindsOne(const std::vector<std::string>& declaredLocales)
{
    if (declaredLocales.empty())
        return false;
    for (WORD primary = 0; primary < kPrimaryLanguageCount; ++primary)
        if (ChooseStartupLanguage(declaredLocales, MAKELANGID(primary, SUBLANG_DEFAULT)) !=
            kAnyLanguage)
            return false;
    return true;
}

void ReportLanguageFindings(const MenuLineLog& log, const MenuDocument& document,
                            const std::vector<MenuLanguage>& ownLanguages,
                            const std::vector<std::string>& heldLocales, bool startupMenu,
                            FindingSink& sink)
{
    const std::vector<std::string> declared = DeclaredLocales(document);
    ReportUndeclaredCodes(log, declared, sink);
    ReportOwnLanguages(log, ownLanguages, heldLocales, sink);
    ReportEntries(log, document, declared, sink);
    if (startupMenu && NoSystemLanguageFindsOne(DistinctLocales(declared)))
        sink.Warning(
            0, "the menu declares languages, but neither \"en\" nor any code Kiveron takes "
               "from the system's language (" +
                   JoinedCodes(SystemLanguageCodes()) +
                   ") is among them: it always starts with the texts without language suffix");
}
