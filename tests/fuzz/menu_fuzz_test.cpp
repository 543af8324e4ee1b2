// Menu files from elsewhere, spoilt in every way a menu reader meets: the
// content never makes Load fail, never breaks a text, and a file loaded on
// top of a menu adds to it by the merge rules.
#include "fuzz_run.h"

#include "../menu/menu_test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <exception>

namespace {

// The entries of a document, described as the menu tests describe them.
std::string Entries(const MenuDocument& document)
{
    const std::string all = Describe(document);
    return all.substr(std::min(all.find("\nelement"), all.size()));
}

// The texts held before keep their languages; the new file's texts fill in
// the languages that had none.
bool Merged(const LocalizedText& held, const LocalizedText& added, const LocalizedText& merged)
{
    LocalizedText::Entries expected = added.GetEntries();
    for (const auto& entry : held.GetEntries())
        expected[entry.first] = entry.second;
    return merged.GetEntries() == expected;
}

// One line a field: a text that holds a line feed adds one.
std::string BrokenText(const MenuDocument& document)
{
    const std::string all = Describe(document);
    const auto lines = std::size_t(std::count(all.begin(), all.end(), '\n'));
    return lines == 4 + document.GetLanguages().size() + document.GetElements().size() &&
                   all.find('\0') == std::string::npos
               ? std::string()
               : "a text holds a line feed or a NUL";
}

std::string BrokenMerge(const MenuDocument& held, const MenuDocument& added,
                        const MenuDocument& merged)
{
    if (Entries(merged) != Entries(added))
        return "the entries are not the new file's";
    using Language = std::pair<std::string, LocalizedText::Entries>;
    std::vector<Language> languages, mergedLanguages;
    for (const MenuLanguage& language : held.GetLanguages())
        languages.emplace_back(language.locale, language.name.GetEntries());
    const auto heldEnd = std::ptrdiff_t(languages.size());
    for (const MenuLanguage& language : added.GetLanguages())
        if (std::none_of(languages.begin(), languages.begin() + heldEnd,
                         [&](const Language& old) { return old.first == language.locale; }))
            languages.emplace_back(language.locale, language.name.GetEntries());
    for (const MenuLanguage& language : merged.GetLanguages())
        mergedLanguages.emplace_back(language.locale, language.name.GetEntries());
    if (languages != mergedLanguages)
        return "the languages are not those held followed by the new file's that were not held";
    if (!Merged(held.GetCaption(), added.GetCaption(), merged.GetCaption()) ||
        !Merged(held.GetExitText(), added.GetExitText(), merged.GetExitText()) ||
        !Merged(held.GetWarningMsg(), added.GetWarningMsg(), merged.GetWarningMsg()))
        return "a caption, exit text or warning held before was lost or replaced";
    PictureMap pictures = held.GetPicture();
    for (const auto& entry : added.GetPicture())
        pictures[entry.first] = entry.second;
    return merged.GetPicture() == pictures
               ? std::string()
               : "the pictures are not those held, replaced by the new file's";
}

// Loads the file alone and on top of the held menu.
std::string CheckMenu(const MenuDocument& held, const std::string& path, const std::string& bytes)
{
    MenuDocument alone;
    MenuDocument merged = held;
    try {
        alone.Load(path);
        merged.Load(path);
    } catch (const InputDataException& error) {
        return "Load of a readable file threw InputDataException: " + error.Message();
    } catch (const std::exception& error) {
        return std::string("Load threw ") + error.what();
    }
    // Each record comes from a section line, and each of those holds a "[".
    const std::size_t records = alone.GetElements().size() + alone.GetLanguages().size();
    if (records > static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '[')))
        return std::to_string(records) + " entries and languages, more than the file's sections";
    const std::string broken = BrokenText(alone);
    return broken.empty() ? BrokenMerge(held, alone, merged) : broken;
}

} // namespace

TEST(FuzzMenus, ContentNeverFailsALoadAndMergesByTheRules)
{
    const std::vector<CorpusFile> corpus = CorpusMenus();
    ASSERT_GE(corpus.size(), 3u) << "the sample disc's menus and the corpus folder";
    MenuDocument held; // the sample disc's start-up menu: languages, captions, pictures
    TempFolder folder;
    held.Load(folder.WriteFile("kiveron.lst", corpus[0].bytes));
    ASSERT_FALSE(held.GetLanguages().empty());
    FuzzReader(
        "menu", ".lst", corpus,
        [](Mutator& mutator, const std::string& bytes) { return MutateMenu(mutator, bytes); },
        [&](const std::string& path, const std::string& bytes) {
            return CheckMenu(held, path, bytes);
        });
}
