#include "checker/menu_checker.h"

#include "checker/checker_text.h"
#include "checker/encoding_findings.h"
#include "checker/file_findings.h"
#include "checker/finding_sink.h"
#include "checker/language_findings.h"
#include "checker/line_findings.h"
#include "checker/menu_preview.h"

#include <iterator>
#include <set>
#include <utility>

namespace {

std::string FullPath(const std::string& path)
{
    char full[MAX_PATH];
    const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    return length > 0 && length < MAX_PATH ? std::string(full, length) : path;
}

std::string LowerCase(std::string text)
{
    if (!text.empty())
        CharLowerBuffA(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

// The folder with its separator: "Z:\" for a file in the root of Z:, where
// "Z:" alone would name the drive's current folder.
std::string FolderOf(const std::string& fullPath)
{
    return fullPath.substr(0, fullPath.find_last_of("\\/") + 1);
}

std::string CurrentFolder()
{
    char folder[MAX_PATH];
    const DWORD length = GetCurrentDirectoryA(MAX_PATH, folder);
    return length > 0 && length < MAX_PATH ? std::string(folder, length) : std::string();
}

// Creates the folder and those above it that are missing.
bool CreateFolderTree(const std::string& folder)
{
    for (std::string::size_type i = folder.find_first_of("\\/", 3); i != std::string::npos;
         i = folder.find_first_of("\\/", i + 1))
        CreateDirectoryA(folder.substr(0, i).c_str(), nullptr);
    CreateDirectoryA(folder.c_str(), nullptr);
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The languages a preview is made for: each Locale once, in the order
// declared; the texts without suffix when there is none.
std::vector<std::string> PreviewLanguages(const MenuDocument& document)
{
    std::vector<std::string> codes;
    std::set<std::string> known;
    for (const MenuLanguage& language : document.GetLanguages()) {
        if (!language.locale.empty() && known.insert(language.locale).second)
            codes.push_back(language.locale);
    }
    if (codes.empty())
        codes.push_back(kAnyLanguage);
    return codes;
}

bool GivesNoText(const LocalizedText& text)
{
    for (const LocalizedText::Entries::value_type& entry : text.GetEntries())
        if (!entry.second.empty())
            return false;
    return true;
}

// Findings name files with backslashes only, however the author wrote them.
std::string WithBackslashes(std::string path)
{
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

} // namespace

MenuChecker::MenuChecker(const CheckOptions& options, CheckReport& report, HINSTANCE instance)
    : options(options), report(report), instance(instance)
{
}

void MenuChecker::Run()
{
    // Made full before the current folder changes, so that they keep meaning
    // what the caller meant.
    menuPath = FullPath(options.menuPath);
    previewFolder = options.previewFolder.empty() ? std::string() : FullPath(options.previewFolder);
    const std::string root = FolderOf(menuPath);
    disc.reset(new DiscRoot(root));

    const std::string callersFolder = CurrentFolder();
    SetCurrentDirectoryA(root.c_str());
    CheckAll();
    if (!callersFolder.empty())
        SetCurrentDirectoryA(callersFolder.c_str());
}

void MenuChecker::CheckAll()
{
    LoadedMenu startup;
    startup.shownName = Utf8FromAnsi(WithBackslashes(options.menuPath));
    startup.path = menuPath;
    startup.startup = true;
    if (!LoadStartupMenu(startup))
        return;
    startup.ownLanguages = startup.document.GetLanguages();
    visited[LowerCase(menuPath)] = startup.log.LanguageHeaders().size();
    startupDocument = startup.document;
    // Depth first, in the order the commands name the menus, as the author
    // follows them; a list rather than recursion, however long the chain.
    std::vector<LoadedMenu> pending;
    pending.push_back(std::move(startup));
    while (!pending.empty()) {
        const LoadedMenu menu = std::move(pending.back());
        pending.pop_back();
        std::vector<LoadedMenu> nested = CheckMenu(menu);
        std::move(nested.rbegin(), nested.rend(), std::back_inserter(pending));
    }
    if (!previewFolder.empty())
        WritePreviews(startupDocument);
}

bool MenuChecker::LoadStartupMenu(LoadedMenu& menu)
{
    try {
        menu.document.Load(menu.path, &menu.log);
    } catch (const InputDataException& error) {
        report.Add(menu.shownName, 0, FindingLevel::Error,
                   "the menu cannot be read: " + Utf8FromAnsi(error.Message()));
        return false;
    }
    return true;
}

std::vector<MenuChecker::LoadedMenu> MenuChecker::CheckMenu(const LoadedMenu& menu)
{
    FindingSink sink(menu.shownName);
    std::string bytes;
    EncodingFacts facts;
    if (ReadFileBytes(menu.path, bytes))
        facts = InspectMenuBytes(bytes);
    ReportEncodingFindings(facts, CodePage(), sink);

    const std::vector<MenuElement> elements = menu.document.GetElements();
    ReportLineFindings(menu.log, elements, LineBreaksOf(facts), sink);
    if (!menu.startup)
        ReportTextsGivenBefore(menu.log, startupDocument, sink);
    ReportAnsiLosses(menu.log, CodePage(), sink);
    ReportLanguageFindings(menu.log, menu.document, menu.ownLanguages, menu.heldLocales,
                           menu.startup, sink);
    if (GivesNoText(menu.document.GetExitText()))
        sink.Note(0, "the menu gives no ExitText; the exit link shows only its bullet");
    ReportPictureFindings(menu.log, menu.document.GetPicture(), startupDocument.GetPicture(),
                          menu.startup, *disc, CodePage(), sink);
    ReportDescriptionsCut(menu, sink);

    std::vector<LoadedMenu> nested;
    const MenuDocument& document = menu.document;
    ReportCommandFindings(
        menu.log, elements, *disc, CodePage(),
        [&](const std::string& file, std::string& error, std::string& warning) {
            return OpenNestedMenu(document, file, nested, error, warning);
        },
        sink);
    sink.MoveTo(report);
    return nested;
}

bool MenuChecker::OpenNestedMenu(const MenuDocument& parent, const std::string& file,
                                 std::vector<LoadedMenu>& nested, std::string& error,
                                 std::string& /* warning: none to give */)
{
    const std::string key = LowerCase(FullPath(file));
    const std::map<std::string, std::size_t>::const_iterator known = visited.find(key);
    // Opened again, a menu adds nothing: its languages are held already.
    if (known != visited.end())
        return true;
    LoadedMenu menu;
    menu.shownName = ShownName(file);
    menu.path = file;
    menu.document = parent;
    for (const MenuLanguage& language : parent.GetLanguages())
        menu.heldLocales.push_back(language.locale);
    try {
        menu.document.Load(file, &menu.log);
        // The file alone, for its languages as it declares them.
        MenuDocument alone;
        alone.Load(file);
        menu.ownLanguages = alone.GetLanguages();
    } catch (const InputDataException& failure) {
        error = failure.Message();
        return false;
    }
    visited[key] = menu.log.LanguageHeaders().size();
    nested.push_back(std::move(menu));
    return true;
}

void MenuChecker::ReportDescriptionsCut(const LoadedMenu& menu, FindingSink& sink)
{
    if (!descriptionFit)
        descriptionFit.reset(new DescriptionFit(instance, menuPath));
    const std::vector<std::string> languages = PreviewLanguages(menu.document);
    const std::vector<int>& headers = menu.log.ElementHeaders();
    for (std::size_t i = 0; i < headers.size() && i < menu.document.ElementCount(); ++i) {
        const MenuElement& element = menu.document.ElementAt(i);
        for (const std::string& language : languages) {
            const std::wstring description = element.description.Lookup(language);
            if (element.name.Lookup(language).empty() || description.empty() ||
                descriptionFit->Fits(language, description))
                continue;
            sink.Warning(headers[i], "the description does not fit its space in language " +
                                         Quoted(Utf8FromAnsi(language)) +
                                         "; its last line shown ends with an ellipsis");
        }
    }
}

std::string MenuChecker::ShownName(const std::string& file) const
{
    const std::string fromRoot = disc->NameFromRoot(file);
    if (fromRoot == file)
        return Utf8FromAnsi(WithBackslashes(file));
    const std::string& given = options.menuPath;
    return Utf8FromAnsi(
        WithBackslashes(given.substr(0, given.find_last_of("\\/:") + 1) + fromRoot));
}

void MenuChecker::WritePreviews(const MenuDocument& document)
{
    if (!CreateFolderTree(previewFolder)) {
        report.Add(Utf8FromAnsi(WithBackslashes(options.menuPath)), 0, FindingLevel::Error,
                   "the preview folder " + Quoted(Utf8FromAnsi(previewFolder)) +
                       " cannot be created");
        return;
    }
    for (const std::string& language : PreviewLanguages(document))
        WritePreview(language);
}

void MenuChecker::WritePreview(const std::string& language)
{
    const std::string file = previewFolder + "\\" + PreviewFileName(language);
    const std::string shownName = Utf8FromAnsi(WithBackslashes(options.menuPath));
    // The texts without suffix are the menu without languages, in the text
    // as in the file name.
    const std::string quotedLanguage = language == kAnyLanguage
                                           ? std::string("without languages")
                                           : "for language " + Quoted(Utf8FromAnsi(language));
    const std::string guides =
        options.guides ? previewFolder + "\\" + GuidesFileName(language) : std::string();
    std::string error;
    if (WriteMenuPreview(instance, menuPath, language, file, error, guides)) {
        report.Add(shownName, 0, FindingLevel::Note,
                   "the preview " + quotedLanguage + " is " + Quoted(Utf8FromAnsi(file)));
        if (!guides.empty())
            report.Add(shownName, 0, FindingLevel::Note,
                       "the preview " + quotedLanguage +
                           " with the areas Kiveron draws over the picture is " +
                           Quoted(Utf8FromAnsi(guides)));
    } else
        report.Add(shownName, 0, FindingLevel::Error,
                   "the preview " + quotedLanguage + " cannot be written: " + Utf8FromAnsi(error));
}

unsigned MenuChecker::CodePage() const
{
    return options.codePage != 0 ? options.codePage : GetACP();
}
