#pragma once
#include "menu/input_data_exception.h"
#include "menu/localized_text.h"
#include "menu/menu_element.h"
#include "menu/menu_file_content.h"
#include "menu/menu_file_observer.h"
#include "menu/menu_language.h"

#include <string>
#include <vector>

// The menu in memory: the main values, the languages and the entries of the
// menu files loaded into it, every user-visible text per language. Plain
// data; the accessors hand out copies, so that nothing refers into the
// document across a reload.
class MenuDocument {
public:
    MenuDocument() = default;
    // Reads a menu file and adds it to the document: its entries replace
    // the entries held; its languages not held yet follow those held; its
    // texts fill in the languages not yet present; its pictures replace
    // those of the same languages. Throws InputDataException, leaving the document unchanged,
    // when the file cannot be opened or read, and std::bad_alloc, leaving
    // it unchanged too, when memory runs out; nothing in the content of a
    // file is an error. An observer, when given, hears what the parser made
    // of each line.
    void Load(const std::string& path, MenuFileObserver* observer = nullptr);

    LocalizedText GetCaption() const;
    LocalizedText GetExitText() const;
    LocalizedText GetWarningMsg() const;
    PictureMap GetPicture() const;
    // For each picture, the folder of the menu file that named it (without
    // a trailing separator): a relative picture path may be meant from there.
    PictureMap GetPictureFolders() const;
    std::vector<MenuLanguage> GetLanguages() const;
    std::vector<MenuElement> GetElements() const;
    // One entry read in place, for the paths that run on every move of the
    // mouse: a copy of all entries would cost as much as the menu is long.
    // The reference is good until the next load.
    const MenuElement& ElementAt(std::size_t index) const { return elements.at(index); }
    std::size_t ElementCount() const { return elements.size(); }

private:
    struct WithoutElements {};
    MenuDocument(const MenuDocument& other, WithoutElements);
    void Add(MenuFileContent content, const std::string& menuFolder);

    LocalizedText caption;
    LocalizedText exitText;
    LocalizedText warningMsg;
    PictureMap picture;
    PictureMap pictureFolders;
    std::vector<MenuLanguage> languages;
    std::vector<MenuElement> elements;
};
