// Puts the menu document on the screen in the current language. Every change
// of language or of menu rebuilds the caption, the combo, the rows and the
// exit text from the document; nothing is patched piecemeal.
#include "app/main_window.h"

#include "platform/text_layer.h"
#include "resources/resource_ids.h"

void MainWindow::Refresh()
{
    languageCombo.Clear();
    menuList.Clear();
    rowElements.clear();

    // Before the dialog handle is stored (during WM_INITDIALOG) only the
    // controls' own item lists are filled.
    if (dialog != nullptr)
        SetWindowTextAuto(dialog, document.GetCaption().Lookup(currentLanguage));

    const std::vector<MenuLanguage> languages = document.GetLanguages();
    int selectedLanguage = 0;
    for (size_t i = 0; i < languages.size(); ++i) {
        const int item = languageCombo.AddItem(languages[i].name.Lookup(currentLanguage));
        languageCombo.SetItemData(item, static_cast<int>(i));
        if (languages[i].locale == currentLanguage)
            selectedLanguage = static_cast<int>(i); // of two with one code, the later wins
    }
    // Item i holds language i.
    if (!languages.empty())
        languageCombo.SetCurSel(selectedLanguage);

    const std::vector<MenuElement> elements = document.GetElements();
    for (size_t i = 0; i < elements.size(); ++i) {
        const std::wstring name = elements[i].name.Lookup(currentLanguage);
        if (name.empty())
            continue;
        menuList.AddItem(name, static_cast<int>(elements[i].marker));
        rowElements.push_back(static_cast<int>(i));
    }
    menuList.Relayout();

    exitLink.SetText(document.GetExitText().Lookup(currentLanguage));
    RepaintDialog();
}

void MainWindow::ShowDescription(int row)
{
    const int element = ElementOfRow(row);
    if (element < 0) {
        description.SetText(std::wstring());
    } else {
        description.SetText(
            document.ElementAt(static_cast<size_t>(element)).description.Lookup(currentLanguage));
    }

    // The label is transparent: the picture under it is painted again before
    // the new text goes over it, by the label itself where there is a
    // picture, else by the dialog.
    if (dialog == nullptr || description.RepaintNow())
        return;
    RECT area;
    GetWindowRect(GetDlgItem(dialog, IDC_DESCRIPTION), &area);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&area), 2);
    InvalidateRect(dialog, &area, FALSE);
    UpdateWindow(dialog);
}

void MainWindow::OnLanguageChanged()
{
    const int item = languageCombo.GetCurSel();
    if (item < 0)
        return;
    const int language = languageCombo.GetItemData(item);
    const std::vector<MenuLanguage> languages = document.GetLanguages();
    if (language < 0 || static_cast<size_t>(language) >= languages.size())
        return;
    currentLanguage = languages[language].locale;
    // The window keeps its size: it is fitted to a picture only when created.
    LoadPicture();
    Refresh();
    // The rebuilt list has no selection: this is the row still under the mouse.
    ShowDescription(menuList.GetCurrent());
    RepaintDialog();
}

void MainWindow::RepaintDialog()
{
    if (dialog == nullptr)
        return;
    InvalidateRect(dialog, nullptr, FALSE);
    UpdateWindow(dialog);
}
