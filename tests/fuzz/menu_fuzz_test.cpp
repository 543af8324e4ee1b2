// Menu files from elsewhere, spoilt in every way a menu reader meets: the
// content never makes Load fail, never breaks a text, and a file loaded on
// top of a menu adds to it by the merge rules.
#include "fuzz_run.h"

#include "../menu/menu_test_files.h"

#include <exception>

namespace {

// A made-up line: a section or a key with a language suffix (now and then a
// long one), with blanks here and there, and a value from the list, several
// joined, rarely a long one.
std::string MadeUpLine(Mutator& mutator)
{
    const std::string blank = mutator.OneIn(4) ? mutator.Word("blanks") : "";
    if (mutator.OneIn(4))
        return blank + mutator.Word("sections") + blank;
    std::string value = mutator.Word("values"), code = mutator.Word("suffixes");
    while (mutator.OneIn(3))
        value += mutator.Word("values");
    for (std::size_t doublings = mutator.OneIn(30) ? 12 : 0; doublings > 0; --doublings)
        value += value;
    if (mutator.OneIn(8))
        code += "_" + std::string(1 + mutator.Below(5000), 'k');
    return blank + mutator.Word("keys") + code + blank +
           (mutator.OneIn(8) ? mutator.Word("equals") : "=") + blank + value + blank;
}

// One to four changes stacked on a real menu file: a made-up line put in; a
// line repeated; a line dropped; one line or every line given another line
// break; a byte-order mark that fits the file or not; plain bytes.
std::string MutateMenu(Mutator& mutator, std::string text)
{
    for (std::size_t changes = 1 + mutator.Below(4); changes > 0; --changes) {
        std::vector<std::string> lines; // each with its line break: joined, they give the file
        for (std::size_t at = 0, end; at < text.size(); at = end) {
            end = std::min(text.find('\n', at), text.size() - 1) + 1;
            lines.push_back(text.substr(at, end - at));
        }
        const std::size_t at = mutator.Below(lines.size() + 1), line = mutator.Below(lines.size());
        const std::string lineBreak = mutator.Word("lineBreaks");
        const std::size_t kind = mutator.Below(lines.empty() ? 2 : 8);
        std::string added;
        switch (kind) {
        case 0: mutator.MutateBytes(text); continue;
        case 2: { // a mark, and the file as it is or in UTF-16 in either byte order
            const bool bigEndian = mutator.OneIn(2);
            std::string wide;
            for (char byte : text)
                wide += bigEndian ? std::string{'\0', byte} : std::string{byte, '\0'};
            text = mutator.Word("marks") + (mutator.OneIn(2) ? text : wide);
            continue;
        }
        case 3: // a line repeated, now and then up to 40 kB of it
            for (const std::size_t size = mutator.OneIn(8) ? mutator.Below(40000) : 0;
                 added.size() <= size;)
                added += lines[line];
            break;
        case 4: lines.erase(lines.begin() + line); break;
        case 5: // one line's break, or every line's
        case 6:
            for (std::size_t i = kind == 5 ? line : 0; i <= (kind == 5 ? line : lines.size() - 1);
                 ++i)
                lines[i].erase(lines[i].find_last_not_of("\r\n") + 1).append(lineBreak);
            break;
        default: added = MadeUpLine(mutator) + lineBreak; // 1 and 7
        }
        lines.insert(lines.begin() + std::min(at, lines.size()), added);
        text.clear();
        for (const std::string& kept : lines)
            text += kept;
    }
    return text;
}

template <typename Map>
Map Overlaid(Map below, const Map& above)
{
    for (const auto& entry : above)
        below[entry.first] = entry.second;
    return below;
}

std::vector<std::pair<std::string, LocalizedText::Entries>> Languages(const MenuDocument& document)
{
    std::vector<std::pair<std::string, LocalizedText::Entries>> languages;
    for (const MenuLanguage& language : document.GetLanguages())
        languages.emplace_back(language.locale, language.name.GetEntries());
    return languages;
}

} // namespace

TEST(FuzzMenus, ContentNeverFailsALoadAndMergesByTheRules)
{
    // The sample disc's menus, then the corpus folder's.
    const std::vector<CorpusFile> corpus =
        Corpus({FUZZ_DIR "/../../examples/sample-disc", FUZZ_DIR "/corpus"}, ".lst");
    ASSERT_GE(corpus.size(), 3u);
    MenuDocument held; // the sample disc's start-up menu: languages, captions, pictures
    LoadBytes(held, corpus[0].bytes);
    ASSERT_FALSE(held.GetLanguages().empty());
    // The file loaded alone and on top of the held menu.
    const auto check = [&](const std::string& path, const std::string& bytes) -> std::string {
        MenuDocument alone, merged = held;
        try {
            alone.Load(path);
            merged.Load(path);
        } catch (const InputDataException& error) {
            return "Load of a readable file threw InputDataException: " + error.Message();
        } catch (const std::exception& error) {
            return std::string("Load threw ") + error.what();
        }
        // Each record comes from a section line, and each of those holds a "[";
        // a text that holds a line feed adds a line to the one a field.
        const std::size_t records = alone.GetElements().size() + alone.GetLanguages().size();
        const std::string all = Describe(alone), mergedAll = Describe(merged);
        if (records > std::size_t(std::count(bytes.begin(), bytes.end(), '[')) ||
            std::size_t(std::count(all.begin(), all.end(), '\n')) != 4 + records ||
            all.find('\0') != std::string::npos)
            return "more entries and languages than sections, or a text holds a line feed or a NUL";
        if (mergedAll.substr(std::min(mergedAll.find("\nelement"), mergedAll.size())) !=
            all.substr(std::min(all.find("\nelement"), all.size())))
            return "the entries are not the new file's";
        // The languages held, followed by the new file's that were not held.
        auto languages = Languages(held);
        for (const auto& language : Languages(alone))
            if (std::none_of(languages.begin(), languages.begin() + held.GetLanguages().size(),
                             [&](const auto& old) { return old.first == language.first; }))
                languages.push_back(language);
        if (languages != Languages(merged))
            return "the languages are not those held followed by the new file's that were not held";
        // The texts held before keep their languages; the new file's texts fill
        // in the languages that had none.
        for (const auto text :
             {&MenuDocument::GetCaption, &MenuDocument::GetExitText, &MenuDocument::GetWarningMsg})
            if ((merged.*text)().GetEntries() !=
                Overlaid((alone.*text)().GetEntries(), (held.*text)().GetEntries()))
                return "a caption, exit text or warning held before was lost or replaced";
        return merged.GetPicture() == Overlaid(held.GetPicture(), alone.GetPicture())
                   ? ""
                   : "the pictures are not those held, replaced by the new file's";
    };
    FuzzReader("menu", ".lst", corpus, MutateMenu, check);
}
