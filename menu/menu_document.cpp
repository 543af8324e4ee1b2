#include "menu/menu_document.h"

#include "menu/input_data_file_exception.h"
#include "menu/menu_file_parser.h"
#include "menu/text_file_reader.h"

#include <algorithm>
#include <iterator>
#include <type_traits>
#include <utility>

namespace {

// The decoded text up to its first NUL: a NUL in the file ends the menu.
std::wstring ReadMenuText(const std::string& path)
{
    std::wstring text;
    try {
        TextFileReader reader(path);
        reader.Read();
        text = reader.ReleaseText();
    } catch (const InputDataFileException& error) {
        throw InputDataException(error.Message());
    }
    const std::size_t firstNul = text.find(L'\0');
    if (firstNul != std::wstring::npos)
        text.resize(firstNul);
    return text;
}

} // namespace

// The file is read and parsed before the document is touched, and added to
// a copy that replaces the document only when complete, so that a failure
// (running out of memory half way included) leaves the menu that was there.
void MenuDocument::Load(const std::string& path, MenuFileObserver* observer)
{
    MenuFileContent content = MenuFileParser::Parse(ReadMenuText(path), observer);
    MenuDocument updated(*this, WithoutElements());
    const std::size_t separator = path.find_last_of("\\/");
    updated.Add(std::move(content),
                separator == std::string::npos ? std::string() : path.substr(0, separator));
    static_assert(std::is_nothrow_move_assignable<MenuDocument>::value,
                  "the last step of a load must not fail");
    *this = std::move(updated);
}

// Every load replaces the entries: copying them as well would only cost
// time when a nested menu is opened from a long one. Copy construction, not
// assignment, keeps the program from carrying a second kind of copy code.
MenuDocument::MenuDocument(const MenuDocument& other, WithoutElements)
    : caption(other.caption), exitText(other.exitText), warningMsg(other.warningMsg),
      picture(other.picture), pictureFolders(other.pictureFolders), languages(other.languages)
{
}

void MenuDocument::Add(MenuFileContent content, const std::string& menuFolder)
{
    caption.AddMissing(content.caption);
    exitText.AddMissing(content.exitText);
    warningMsg.AddMissing(content.warningMsg);
    for (PictureMap::value_type& entry : content.picture) {
        pictureFolders[entry.first] = menuFolder;
        picture[entry.first] = std::move(entry.second);
    }
    // A language held already (the start menu's, when a nested menu declares
    // it again or the user returns) is not listed a second time.
    const std::size_t held = languages.size();
    for (MenuLanguage& language : content.languages) {
        const auto heldEnd = languages.begin() + static_cast<std::ptrdiff_t>(held);
        const bool known = std::any_of(languages.begin(), heldEnd, [&](const MenuLanguage& old) {
            return old.locale == language.locale;
        });
        if (!known)
            languages.push_back(std::move(language));
    }
    elements = std::move(content.elements);
}

LocalizedText MenuDocument::GetCaption() const
{
    return caption;
}

LocalizedText MenuDocument::GetExitText() const
{
    return exitText;
}

LocalizedText MenuDocument::GetWarningMsg() const
{
    return warningMsg;
}

PictureMap MenuDocument::GetPicture() const
{
    return picture;
}

PictureMap MenuDocument::GetPictureFolders() const
{
    return pictureFolders;
}

std::vector<MenuLanguage> MenuDocument::GetLanguages() const
{
    return languages;
}

std::vector<MenuElement> MenuDocument::GetElements() const
{
    return elements;
}
