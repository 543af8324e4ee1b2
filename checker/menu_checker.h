#pragma once
#include "checker/check_options.h"
#include "checker/check_report.h"
#include "checker/description_fit.h"
#include "checker/finding_sink.h"
#include "checker/disc_root.h"
#include "checker/menu_line_log.h"
#include "menu/menu_document.h"

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

// One run of kiveron-check: loads the start-up menu with Kiveron's own
// reader, says what Kiveron does with each of its lines, pictures and
// commands, then checks every nested menu its commands open, once each,
// and writes the previews asked for. The folder of the start-up menu is the
// root of the disc, where kiveron.exe lies; the check runs with it as the
// current folder, as Kiveron runs from the root of its disc, and restores
// the caller's afterwards.
class MenuChecker {
public:
    MenuChecker(const CheckOptions& options, CheckReport& report, HINSTANCE instance);

    void Run();

private:
    // A menu file loaded and waiting for its check.
    struct LoadedMenu {
        std::string shownName; // as the author gave it, or from the root of the disc
        std::string path;      // the file
        MenuDocument document; // the menu as Kiveron holds it once this file is loaded
        MenuLineLog log;
        std::vector<MenuLanguage> ownLanguages; // the file's languages as it declares them
        std::vector<std::string> heldLocales;   // the codes held before it was loaded
        bool startup = false;
    };

    void CheckAll();
    bool LoadStartupMenu(LoadedMenu& menu);
    // Reports the menu's findings and returns the nested menus it opens
    // that are still to be checked.
    std::vector<LoadedMenu> CheckMenu(const LoadedMenu& menu);
    // Loads a nested menu into a copy of the menu it is opened from, for
    // its check once the opening file's own findings are out; true without
    // loading it again when it has been checked already.
    bool OpenNestedMenu(const MenuDocument& parent, const std::string& file,
                        std::vector<LoadedMenu>& nested, std::string& error, std::string& warning);
    // A menu file as findings name it: beside the start-up menu as the
    // author named that one, or by its whole path off the disc.
    std::string ShownName(const std::string& file) const;
    // A warning for each entry and language whose description does not fit
    // the description label: Kiveron ends its last visible line with an
    // ellipsis.
    void ReportDescriptionsCut(const LoadedMenu& menu, FindingSink& sink);
    void WritePreviews(const MenuDocument& document);
    void WritePreview(const std::string& language);
    unsigned CodePage() const;

    CheckOptions options;
    CheckReport& report;
    HINSTANCE instance;
    std::string menuPath;           // full path of the start-up menu
    std::string previewFolder;      // full path, or empty
    std::unique_ptr<DiscRoot> disc; // the folder of the start-up menu
    // Full paths in small letters: a menu is checked once however it is
    // named. With the number of languages each declares.
    std::map<std::string, std::size_t> visited;
    std::unique_ptr<DescriptionFit> descriptionFit;
    // The start-up menu alone: what it gives, every later menu finds there.
    MenuDocument startupDocument;
};
