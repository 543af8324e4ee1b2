#ifndef KIVERON_CHECKER_MENU_CHECKER_H
#define KIVERON_CHECKER_MENU_CHECKER_H

#include "checker/check_options.h"
#include "checker/check_report.h"
#include "checker/menu_line_log.h"
#include "menu/menu_document.h"

#include <windows.h>

#include <map>
#include <string>
#include <vector>

// One run of kiveron-check: loads the start-up menu with Kiveron's own
// reader, says what Kiveron does with each of its lines, pictures and
// commands, then checks every nested menu its commands open, once each,
// and writes the previews asked for. Runs with the folder of the start-up
// menu as the current folder, as Kiveron runs from the root of its disc,
// and restores the caller's afterwards.
class MenuChecker {
public:
    MenuChecker(const CheckOptions& options, CheckReport& report, HINSTANCE instance);

    void Run();

private:
    // A menu file loaded and waiting for its check.
    struct LoadedMenu {
        std::string shownName; // as the author gave it, or as Kiveron opens it
        std::string path;      // as Kiveron opens it
        MenuDocument document; // the menu as Kiveron holds it once this file is loaded
        MenuLineLog log;
        bool startup = false;
    };

    void CheckAll();
    bool LoadStartupMenu(LoadedMenu& menu);
    void CheckMenu(LoadedMenu& menu);
    // Loads a nested menu into a copy of the menu it is opened from, for
    // its check once the opening file's own findings are out; true without
    // loading it again when it has been checked already.
    bool OpenNestedMenu(const MenuDocument& parent, const std::string& candidate,
                        std::vector<LoadedMenu>& nested, std::string& error, std::string& warning);
    void WritePreviews(const MenuDocument& document);
    void WritePreview(const std::string& language);
    unsigned CodePage() const;

    CheckOptions options;
    CheckReport& report;
    HINSTANCE instance;
    std::string menuPath;     // full path of the start-up menu
    std::string previewFolder; // full path, or empty
    std::string modulePath;    // a kiveron.exe beside the start-up menu
    // Full paths in small letters: a menu is checked once however it is
    // named. With the number of languages each declares: every load adds
    // them to the chooser again.
    std::map<std::string, std::size_t> visited;
};

#endif
