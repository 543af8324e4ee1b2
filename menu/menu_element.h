#pragma once
#include "menu/localized_text.h"

#include <string>

// The bullet drawn beside an entry; the values are what the list stores.
enum class MarkerKind : int {
    Primary = 0,
    Secondary = 1,
};

// One menu entry, from an "[Element]" section.
struct MenuElement {
    LocalizedText name;
    LocalizedText description;
    // Program, document or nested menu file (ANSI code page); empty when the
    // section gives none.
    std::string command;
    MarkerKind marker = MarkerKind::Primary;
};
