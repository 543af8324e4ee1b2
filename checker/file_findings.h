#ifndef KIVERON_CHECKER_FILE_FINDINGS_H
#define KIVERON_CHECKER_FILE_FINDINGS_H

#include "checker/finding_sink.h"
#include "checker/menu_line_log.h"
#include "menu/menu_element.h"
#include "menu/menu_file_content.h"

#include <functional>
#include <string>
#include <vector>

// The pictures a menu file gives, loaded by the picture loader Kiveron
// uses and against the current folder as Kiveron finds them: missing or
// refused ones are warnings, the others a note with the size of the window.
// pictures is the menu's picture map once the file is loaded.
void ReportPictureFindings(const MenuLineLog& log, const PictureMap& pictures, bool startupMenu,
                           FindingSink& sink);

// Loads the nested menu a candidate names and checks it in turn: false,
// with the system's reason in error, when it cannot be read. A warning
// about opening it, if any, goes to the command's line.
using NestedMenuOpener =
    std::function<bool(const std::string& candidate, std::string& error, std::string& warning)>;

// Follows each entry's command along the candidates Kiveron tries, with
// the module path of a kiveron.exe beside the start-up menu: entries
// without a command, commands that find nothing, nested menus that
// cannot be read, and which candidate starts when it is not the first.
void ReportCommandFindings(const MenuLineLog& log, const std::vector<MenuElement>& elements,
                           const std::string& modulePath, const NestedMenuOpener& openMenu,
                           FindingSink& sink);

#endif
