#include "app/main_window.h"

#include "app/application.h"
#include "app/hidden_dialog_template.h"
#include "app/launch_candidates.h"
#include "app/startup_language.h"
#include "app/module_path.h"
#include "platform/text_layer.h"
#include "resources/resource_ids.h"

namespace {

std::vector<std::string> DeclaredLocales(const std::vector<MenuLanguage>& languages)
{
    std::vector<std::string> locales;
    for (const MenuLanguage& language : languages)
        locales.push_back(language.locale);
    return locales;
}

HICON LoadApplicationIcon(HINSTANCE instance)
{
    return IsUnicodePlatform() ? LoadIconW(instance, MAKEINTRESOURCEW(IDI_KIVERON))
                               : LoadIconA(instance, MAKEINTRESOURCEA(IDI_KIVERON));
}

// The dialog from a copy of its template that leaves it hidden.
HWND CreateHiddenDialog(HINSTANCE instance, DLGPROC procedure, LPARAM param)
{
    const std::vector<BYTE> hidden = HiddenDialogTemplate(instance, IDD_MAIN_DIALOG);
    if (hidden.empty())
        return nullptr;
    const auto* dialogTemplate = reinterpret_cast<const DLGTEMPLATE*>(hidden.data());
    return IsUnicodePlatform()
               ? CreateDialogIndirectParamW(instance, dialogTemplate, nullptr, procedure, param)
               : CreateDialogIndirectParamA(instance, dialogTemplate, nullptr, procedure, param);
}

} // namespace

MainWindow::MainWindow(Application* owner)
    : owner(owner), dialog(nullptr), visibility(Visibility::Shown), icon(nullptr)
{
    icon = LoadApplicationIcon(owner->Instance());
    const std::string menuPath = MenuFilePathBeside(ModuleFilePath());
    try {
        document.Load(menuPath);
    } catch (const InputDataException& error) {
        const std::string text = MenuLoadFailureText(menuPath, error.Message());
        MessageBoxA(nullptr, text.c_str(), Application::Title().c_str(), MB_ICONERROR);
        throw;
    }
    currentLanguage =
        ChooseStartupLanguage(DeclaredLocales(document.GetLanguages()), GetUserDefaultLangID());
    LoadPicture();
}

MainWindow::MainWindow(Application* owner, const std::string& menuPath, const std::string& language)
    : owner(owner), dialog(nullptr), visibility(Visibility::Shown), icon(nullptr)
{
    icon = LoadApplicationIcon(owner->Instance());
    document.Load(menuPath);
    // Set before the dialog exists: it is fitted to this language's picture.
    currentLanguage = language;
    LoadPicture();
}

MainWindow::~MainWindow()
{
    // The dialog goes first, while the controls it subclasses still exist;
    // the members then go in reverse order: controls, picture, document.
    if (dialog != nullptr)
        DestroyWindow(dialog);
}

bool MainWindow::Create(Visibility wanted)
{
    HINSTANCE instance = owner->Instance();
    const LPARAM self = reinterpret_cast<LPARAM>(this);
    visibility = wanted;
    // WM_INITDIALOG attaches and fills the controls; the dialog manager shows
    // a visible template's dialog only after that, complete at first sight.
    const HWND created =
        visibility == Visibility::Shown
            ? (IsUnicodePlatform() ? CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_MAIN_DIALOG),
                                                        nullptr, DialogProc, self)
                                   : CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_MAIN_DIALOG),
                                                        nullptr, DialogProc, self))
            : CreateHiddenDialog(instance, DialogProc, self);
    const DWORD failure = GetLastError();
    dialog = created;
    if (dialog == nullptr) {
        SetLastError(failure);
        return false;
    }
    menuList.SetOpening(false);
    return true;
}

void MainWindow::AttachControls(HWND dialog)
{
    menuList.Attach(this, GetDlgItem(dialog, IDC_MENU_LIST));
    menuList.SetOpening(true);
    languageCombo.Attach(this, GetDlgItem(dialog, IDC_LANGUAGE_COMBO));
    description.Attach(this, GetDlgItem(dialog, IDC_DESCRIPTION));
    exitLink.Attach(this, GetDlgItem(dialog, IDC_EXIT_LINK));
    exitLink.SetBullet(
        OwnedBitmap(LoadBitmapA(owner->Instance(), MAKEINTRESOURCEA(IDB_EXIT_BULLET))));
}

void MainWindow::LoadPicture()
{
    // The picture of the current language, else the one for any language;
    // without either, and when a load fails, the picture shown stays.
    const PictureMap pictures = document.GetPicture();
    PictureMap::const_iterator found = pictures.find(currentLanguage);
    if (found == pictures.end())
        found = pictures.find("*");
    if (found == pictures.end())
        return;
    // A relative path is meant from the current folder; when nothing is
    // there (the menu started from a shortcut or a console elsewhere), from
    // the folder of the menu file that names it.
    const std::string& path = found->second;
    const std::string beside = PictureBesideMenu(document.GetPictureFolders()[found->first], path);
    if (!beside.empty() && GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        picture.LoadBitmapFile(beside);
    else
        picture.LoadBitmapFile(path);
}

int MainWindow::ElementOfRow(int row) const
{
    if (row < 0 || static_cast<size_t>(row) >= rowElements.size())
        return -1;
    return rowElements[row];
}
