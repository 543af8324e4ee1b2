#pragma once
#include "checker/disc_root.h"
#include "checker/finding_sink.h"
#include "checker/menu_line_log.h"
#include "menu/menu_element.h"
#include "menu/menu_file_content.h"

#include <functional>
#include <string>
#include <vector>

// The files are looked for under their names in this system's ANSI code
// page. codePage is the one the menu is checked for: when it is another,
// a name this system cannot hold is not looked for, with a note.

// The pictures a menu file gives, loaded by the picture loader Kiveron
// uses and found from the root of the medium as Kiveron finds them:
// missing or refused ones are warnings that say why and what to do, and so
// is a nested menu's picture of another size than the start picture for its
// language (the window keeps the size it started with); the others a note
// with the size of the window. pictures is the menu's picture map once the
// file is loaded, startPictures the start-up menu's.
void ReportPictureFindings(const MenuLineLog& log, const PictureMap& pictures,
                           const PictureMap& startPictures, bool startupMenu, const DiscRoot& disc,
                           unsigned codePage, FindingSink& sink);

// Loads the nested menu file and checks it in turn: false, with the
// system's reason in error, when it cannot be read. A warning about opening
// it, if any, goes to the command's line.
using NestedMenuOpener =
    std::function<bool(const std::string& file, std::string& error, std::string& warning)>;

// Follows each entry's command along the candidates Kiveron tries from a
// kiveron.exe in the root of the medium: entries without a command,
// commands that find nothing, nested menus that cannot be read, and
// commands that only the Windows folders or a path of the user's system
// answer.
void ReportCommandFindings(const MenuLineLog& log, const std::vector<MenuElement>& elements,
                           const DiscRoot& disc, unsigned codePage,
                           const NestedMenuOpener& openMenu, FindingSink& sink);
