// Menu files from elsewhere, spoilt in every way a menu reader meets: the
// content never makes Load fail, never breaks a text, and a file loaded on
// top of a menu adds to it by the merge rules.
#include "fuzz_corpus.h"
#include "fuzz_run.h"
#include "menu_mutator.h"

#include "menu/menu_document.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <exception>

namespace {

bool SameElement(const MenuElement& a, const MenuElement& b)
{
    return a.name.GetEntries() == b.name.GetEntries() &&
           a.description.GetEntries() == b.description.GetEntries() && a.command == b.command &&
           a.marker == b.marker;
}

bool SameLanguage(const MenuLanguage& a, const MenuLanguage& b)
{
    return a.locale == b.locale && a.name.GetEntries() == b.name.GetEntries();
}

// The texts of the menu held before keep their languages; the new file's
// texts fill in the languages that had none.
bool MergedText(const LocalizedText& held, const LocalizedText& added, const LocalizedText& merged)
{
    LocalizedText::Entries expected = added.GetEntries();
    for (const auto& entry : held.GetEntries())
        expected[entry.first] = entry.second;
    return merged.GetEntries() == expected;
}

std::string BrokenText(const MenuDocument& document)
{
    std::vector<LocalizedText> texts = {document.GetCaption(), document.GetExitText(),
                                        document.GetWarningMsg()};
    for (const MenuLanguage& language : document.GetLanguages())
        texts.push_back(language.name);
    for (const MenuElement& element : document.GetElements()) {
        texts.insert(texts.end(), {element.name, element.description});
        if (element.marker != MarkerKind::Primary && element.marker != MarkerKind::Secondary)
            return "an entry's marker is neither Primary nor Secondary";
    }
    for (const LocalizedText& text : texts)
        for (const auto& entry : text.GetEntries())
            if (entry.second.find_first_of(std::wstring(L"\n\0", 2)) != std::wstring::npos)
                return "a text holds a line feed or a NUL";
    return std::string();
}

std::string BrokenMerge(const MenuDocument& held, const MenuDocument& added,
                        const MenuDocument& merged)
{
    const std::vector<MenuElement> elements = merged.GetElements(),
                                   addedElements = added.GetElements();
    if (!std::equal(elements.begin(), elements.end(), addedElements.begin(), addedElements.end(),
                    SameElement))
        return "the entries are not the new file's";
    std::vector<MenuLanguage> languages = held.GetLanguages();
    const std::vector<MenuLanguage> heldLanguages = languages;
    const std::vector<MenuLanguage> addedLanguages = added.GetLanguages(),
                                    mergedLanguages = merged.GetLanguages();
    for (const MenuLanguage& language : addedLanguages)
        if (std::none_of(heldLanguages.begin(), heldLanguages.end(),
                         [&](const MenuLanguage& old) { return old.locale == language.locale; }))
            languages.push_back(language);
    if (!std::equal(languages.begin(), languages.end(), mergedLanguages.begin(),
                    mergedLanguages.end(), SameLanguage))
        return "the languages are not those held followed by the new file's that were not held";
    if (!MergedText(held.GetCaption(), added.GetCaption(), merged.GetCaption()) ||
        !MergedText(held.GetExitText(), added.GetExitText(), merged.GetExitText()) ||
        !MergedText(held.GetWarningMsg(), added.GetWarningMsg(), merged.GetWarningMsg()))
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
        return std::to_string(records) +
               " entries and languages, more than the file's section lines";
    const std::string broken = BrokenText(alone);
    return broken.empty() ? BrokenMerge(held, alone, merged) : broken;
}

} // namespace

TEST(FuzzMenus, ContentNeverFailsALoadAndMergesByTheRules)
{
    const std::vector<CorpusFile> corpus = FuzzCorpus::Menus();
    ASSERT_GE(corpus.size(), 3u) << "the sample disc's menus and the corpus folder";
    MenuDocument held; // the sample disc's start-up menu: languages, captions, pictures
    TempFolder folder;
    held.Load(folder.WriteFile("kiveron.lst", corpus[0].bytes));
    ASSERT_FALSE(held.GetLanguages().empty());

    FuzzRun run("menu", ".lst");
    const FuzzRun::Check check = [&](const std::string& path, const std::string& bytes) {
        return CheckMenu(held, path, bytes);
    };
    run.TryCorpus(corpus, check);
    run.TryMutations(
        [&](Mutator& mutator) { return MenuMutator(mutator).Mutate(mutator.Pick(corpus).bytes); },
        check);
    run.PrintSummary();
}
