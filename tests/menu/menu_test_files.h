#pragma once

// Menu files for the tests: written to real files and loaded from there.

#include "menu/menu_document.h"
#include "platform/text_layer.h"
#include "support/temp_folder.h"

#include <string>

inline void LoadBytes(MenuDocument& document, const std::string& bytes)
{
    TempFolder folder;
    document.Load(folder.WriteFile("menu.lst", bytes));
}

inline std::string Describe(const LocalizedText& text)
{
    std::string description;
    for (const auto& entry : text.GetEntries())
        description += " [" + entry.first + "]" + WideToCodePage(entry.second, CP_UTF8);
    return description;
}

// The whole document as UTF-8 text, one field a line, for comparing
// documents with a readable difference.
inline std::string Describe(const MenuDocument& document)
{
    std::string description = "caption" + Describe(document.GetCaption()) + "\nexit" +
                              Describe(document.GetExitText()) + "\nwarning" +
                              Describe(document.GetWarningMsg()) + "\npicture";
    for (const auto& entry : document.GetPicture())
        description += " [" + entry.first + "]" + entry.second;
    for (const MenuLanguage& language : document.GetLanguages())
        description += "\nlanguage " + language.locale + Describe(language.name);
    for (const MenuElement& element : document.GetElements())
        description += "\nelement" + Describe(element.name) + " /" + Describe(element.description) +
                       " / " + element.command + " / " +
                       std::to_string(static_cast<int>(element.marker));
    return description + "\n";
}

inline std::string DescribeFile(const std::string& bytes)
{
    MenuDocument document;
    LoadBytes(document, bytes);
    return Describe(document);
}
