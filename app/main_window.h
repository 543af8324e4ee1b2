#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "controls/description_label.h"
#include "controls/exit_link.h"
#include "controls/language_combo.h"
#include "controls/menu_list.h"
#include "controls/private_messages.h"
#include "graphics/draw_surface.h"
#include "menu/menu_document.h"

class Application;

// The controller of the one dialog: loads the menu beside the executable,
// chooses the language, loads the picture, creates the dialog, binds the four
// skinned controls and keeps them filled from the document.
class MainWindow {
public:
    // Loads the menu, chooses the start-up language and loads the picture.
    // Shows an error box and rethrows InputDataException when the menu file
    // cannot be read.
    explicit MainWindow(Application* owner);
    // The same start-up for a given menu file and language, for tools that
    // show what the menu looks like: no error box, the InputDataException
    // goes to the caller.
    MainWindow(Application* owner, const std::string& menuPath, const std::string& language);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // A hidden dialog is created, fitted and filled like a shown one, but
    // it never appears on the desktop; it paints only when printed.
    enum class Visibility { Shown, Hidden };
    // Creates the dialog, attaches the controls and fills them; a shown
    // dialog appears only once all of that is done. False when the dialog
    // cannot be created; GetLastError then tells why.
    bool Create(Visibility wanted = Visibility::Shown);
    // Loads the picture for the current language; a failed load keeps the old one.
    void LoadPicture();

    // Rebuilds caption, language items, rows and exit text for the current language.
    void Refresh();
    // Shows the description of a list row (-1 clears it).
    void ShowDescription(int row);
    // Makes the combo's chosen language current and rebuilds the presentation.
    void OnLanguageChanged();
    // Starts the command of a list row: the warning first where the system
    // asks for it, then each candidate path until one starts.
    void ActivateElement(int row);
    // Starts a program or opens a document or a nested menu; true when it did.
    // A nested menu that cannot be loaded leaves its error text in loadError.
    bool Launch(const std::string& path, std::string* loadError = nullptr);

    Application* Owner() const { return owner; }
    HWND Dialog() const { return dialog; }
    CDrawSurface7& Picture() { return picture; }
    const MenuDocument& Document() const { return document; }
    HICON Icon() const { return icon; }
    const std::string& CurrentLanguage() const { return currentLanguage; }
    // The controls as they are filled, for reading what is shown.
    const MenuList& List() const { return menuList; }
    const LanguageCombo& Languages() const { return languageCombo; }
    const DescriptionLabel& Description() const { return description; }
    const ExitLink& Exit() const { return exitLink; }
    // The element a list row shows, or -1 for a row that does not exist.
    int ElementOfRow(int row) const;

private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    BOOL OnInitDialog(HWND dialog);
    BOOL OnPaint(HWND dialog);
    BOOL OnPrintClient(HWND dialog, HDC dc);
    BOOL OnDrawItem(const DRAWITEMSTRUCT& item);
    BOOL OnMeasureItem(MEASUREITEMSTRUCT& item);
    INT_PTR OnCtlColorDialog(HDC dc);
    BOOL OnCommand(WORD id, WORD code);
    BOOL AnswerPrivateMessage(HWND dialog);
    void FitToPicture(HWND dialog);
    void AttachControls(HWND dialog);
    void RepaintDialog();
    bool OpenNestedMenu(const std::string& path, std::string* loadError);

    Application* owner;
    HWND dialog;
    Visibility visibility;
    MenuDocument document;
    CDrawSurface7 picture;
    std::string currentLanguage;
    MenuList menuList;
    LanguageCombo languageCombo;
    DescriptionLabel description;
    ExitLink exitLink;
    HICON icon;
    // The element index of each list row: elements without a name in the
    // current language get no row, so row and element numbers can differ.
    std::vector<int> rowElements;
};
