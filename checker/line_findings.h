#pragma once
#include "checker/finding_sink.h"
#include "checker/menu_line_log.h"
#include "menu/menu_document.h"
#include "menu/menu_element.h"

#include <vector>

// What the file's line breaks do to its last line: end it, leave text after
// it unread, or (with CR only) leave every line unread.
enum class LineBreakKind {
    Read,
    CrOnly,
    EndsEarly, // the text stops before the file does (UTF-16, a NUL byte); the encoding check says
               // where
};

// Findings for the lines Kiveron ignores or reads otherwise than the author
// may think: ignored lines and why, repeated keys, suffixes that are
// ignored. elements are the file's entries as loaded, for the marker an
// entry keeps.
void ReportLineFindings(const MenuLineLog& log, const std::vector<MenuElement>& elements,
                        LineBreakKind lineBreaks, FindingSink& sink);

// The Caption, ExitText and WarningMsg texts of a nested menu that never
// show: the start-up menu, loaded first in every run of Kiveron, has a
// text for the same language already, and the first one stays.
void ReportTextsGivenBefore(const MenuLineLog& log, const MenuDocument& startup, FindingSink& sink);
