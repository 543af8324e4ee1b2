#pragma once
#include "checker/finding_sink.h"
#include "checker/menu_line_log.h"
#include "menu/menu_document.h"

#include <string>
#include <vector>

// Findings about the languages of one menu file: codes its texts use that
// no language declares (or that differ from a declared one in case only),
// languages declared twice or without a code, entries that are not listed
// in a language, and a start-up menu whose languages no system language
// leads to. document is the menu as Kiveron holds it once the file is
// loaded; ownLanguages are the file's languages as it declares them, and
// heldLocales the codes held before it was loaded (none for the start-up
// menu), which the language chooser does not list again.
void ReportLanguageFindings(const MenuLineLog& log, const MenuDocument& document,
                            const std::vector<MenuLanguage>& ownLanguages,
                            const std::vector<std::string>& heldLocales, bool startupMenu,
                            FindingSink& sink);

// The distinct codes Kiveron takes from the system's language at start,
// asked of the start-up rule itself for every primary language; sorted.
std::vector<std::string> SystemLanguageCodes();

// Whether Kiveron starts without any particular language ("*") whatever
// the system's language, although the menu declares languages.
bool NoSystemLanguageFindsOne(const std::vector<std::string>& declaredLocales);
