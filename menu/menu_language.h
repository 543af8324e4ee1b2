#pragma once
#include "menu/localized_text.h"

#include <string>

// One language the user can choose, from a "[Language]" section.
struct MenuLanguage {
    // The code that choosing this language makes current; empty when the
    // section names none.
    std::string locale;
    // The language's own name, itself given per current language.
    LocalizedText name;
};
