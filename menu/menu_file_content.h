#pragma once
#include "menu/localized_text.h"
#include "menu/menu_element.h"
#include "menu/menu_language.h"

#include <map>
#include <string>
#include <vector>

// Picture path (ANSI code page) per language code.
using PictureMap = std::map<std::string, std::string>;

// What one menu file says, before it is added to a document.
struct MenuFileContent {
    LocalizedText caption;
    LocalizedText exitText;
    LocalizedText warningMsg;
    PictureMap picture;
    std::vector<MenuLanguage> languages;
    std::vector<MenuElement> elements;
};
