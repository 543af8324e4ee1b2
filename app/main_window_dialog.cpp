// The dialog procedure of the main window: fits the dialog to its picture,
// paints the picture, routes owner drawing to the controls and turns the
// controls' notifications into calls on the main window.
#include "app/main_window.h"

#include "platform/dispatch_guard.h"
#include "app/dialog_scaling.h"
#include "platform/window_long.h"
#include "resources/resource_ids.h"

namespace {

LONG RectWidth(const RECT& rect)
{
    return rect.right - rect.left;
}
LONG RectHeight(const RECT& rect)
{
    return rect.bottom - rect.top;
}

// The dialog's own slot (DWLP_USER) holds the main window: GWLP_USERDATA
// belongs to the dialog manager's users, the slot to the procedure.
MainWindow* MainWindowOf(HWND dialog)
{
    return reinterpret_cast<MainWindow*>(GetWindowLongAuto(dialog, DWLP_USER));
}

void ScaleControl(HWND dialog, int id, double sx, double sy, bool roundToNearest)
{
    HWND control = GetDlgItem(dialog, id);
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    GetWindowPlacement(control, &placement);
    placement.rcNormalPosition = ScaleRect(placement.rcNormalPosition, sx, sy, roundToNearest);
    SetWindowPlacement(control, &placement);
}

// A drop-down combo's placement holds only its closed field, but the height
// it is given becomes the height of its open list: scaled from the field
// alone the list would open a few pixels tall. Its open height is scaled
// instead, from the height it had before.
void ScaleCombo(HWND dialog, int id, double sx, double sy)
{
    HWND combo = GetDlgItem(dialog, id);
    RECT dropped;
    SendMessageA(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    GetWindowPlacement(combo, &placement);
    RECT& position = placement.rcNormalPosition;
    position = ScaleRect(position, sx, sy, true);
    position.bottom = position.top + ScaleEdge(RectHeight(dropped), sy, true);
    SetWindowPlacement(combo, &placement);
}

} // namespace

INT_PTR CALLBACK MainWindow::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    MainWindow* window =
        message == WM_INITDIALOG ? reinterpret_cast<MainWindow*>(lParam) : MainWindowOf(dialog);
    // Messages that arrive while the template creates its controls (the
    // combo's WM_MEASUREITEM among them) come before the pointer is stored.
    if (window == nullptr)
        return FALSE;
    return GuardDispatch([&] { return window->HandleMessage(dialog, message, wParam, lParam); },
                         FALSE);
}

INT_PTR MainWindow::HandleMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: return OnInitDialog(dialog);
    case WM_PAINT: return OnPaint(dialog);
    case WM_PRINTCLIENT: return OnPrintClient(dialog, reinterpret_cast<HDC>(wParam));
    case WM_DRAWITEM: return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_MEASUREITEM: return OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    case WM_QUERYDRAGICON: return reinterpret_cast<INT_PTR>(icon);
    case WM_CTLCOLORDLG: return OnCtlColorDialog(reinterpret_cast<HDC>(wParam));
    case WM_COMMAND: return OnCommand(LOWORD(wParam), HIWORD(wParam));
    case WM_DESTROY: PostQuitMessage(0); return FALSE;
    case UM_CURRENTITEM:
        ShowDescription(static_cast<int>(wParam));
        return AnswerPrivateMessage(dialog);
    case UM_ACTIVATEITEM:
        ActivateElement(static_cast<int>(wParam));
        return AnswerPrivateMessage(dialog);
    case UM_EXITLINKCLICK: PostQuitMessage(0); return TRUE;
    default: return FALSE;
    }
}

BOOL MainWindow::OnInitDialog(HWND dialog)
{
    SetWindowLongAuto(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(this));
    // Stored now: the controls report to the dialog while they are filled.
    this->dialog = dialog;
    SendMessageAuto(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageAuto(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    if (picture.HasImage())
        FitToPicture(dialog);
    // Decided once: a nested menu with more languages does not bring it back.
    if (document.GetLanguages().size() < 2)
        ShowWindow(GetDlgItem(dialog, IDC_LANGUAGE_COMBO), SW_HIDE);
    // Fitted, captioned and filled before the dialog manager shows it.
    AttachControls(dialog);
    Refresh();
    return TRUE;
}

void MainWindow::FitToPicture(HWND dialog)
{
    // A picture stored top-down reports a negative height; its rows still
    // cover as many pixels as a bottom-up one's.
    SIZE size = picture.GetSize();
    if (size.cy < 0)
        size.cy = -size.cy;
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    GetWindowPlacement(dialog, &placement);
    RECT oldClient;
    GetClientRect(dialog, &oldClient);

    // Grow or shrink from the top-left corner where the centred template sits.
    RECT& frame = placement.rcNormalPosition;
    frame.right = frame.left + size.cx + 2 * GetSystemMetrics(SM_CXDLGFRAME);
    frame.bottom =
        frame.top + size.cy + 2 * GetSystemMetrics(SM_CYDLGFRAME) + GetSystemMetrics(SM_CYCAPTION);
    // The dialog is not shown yet: the placement's own show command would
    // show it half made, before its caption and rows are there.
    placement.showCmd = SW_HIDE;
    SetWindowPlacement(dialog, &placement);

    RECT newClient;
    GetClientRect(dialog, &newClient);
    const double sx = static_cast<double>(RectWidth(newClient)) / RectWidth(oldClient);
    const double sy = static_cast<double>(RectHeight(newClient)) / RectHeight(oldClient);
    ScaleCombo(dialog, IDC_LANGUAGE_COMBO, sx, sy);
    ScaleControl(dialog, IDC_MENU_LIST, sx, sy, true);
    ScaleControl(dialog, IDC_DESCRIPTION, sx, sy, false);
    ScaleControl(dialog, IDC_EXIT_LINK, sx, sy, false);
}

BOOL MainWindow::OnPaint(HWND dialog)
{
    RECT client;
    GetClientRect(dialog, &client);
    if (!picture.HasImage()) {
        // The default processing paints and erases the dialog.
        InvalidateRect(dialog, &client, TRUE);
        return FALSE;
    }
    // Only the invalid part: a row change repaints a row, not the picture.
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    picture.DrawUnder(dc, paint.rcPaint, client, paint.rcPaint, false);
    EndPaint(dialog, &paint);
    return TRUE;
}

BOOL MainWindow::OnPrintClient(HWND dialog, HDC dc)
{
    // Printed, the dialog paints as on the screen, into the given context.
    // Without a picture the default processing leaves the background to the
    // erasing that the print asks for.
    if (!picture.HasImage())
        return FALSE;
    RECT client;
    GetClientRect(dialog, &client);
    picture.Draw(dc, client, false);
    return TRUE;
}

BOOL MainWindow::OnDrawItem(const DRAWITEMSTRUCT& item)
{
    switch (item.CtlID) {
    case IDC_MENU_LIST: menuList.DrawItem(item); break;
    case IDC_DESCRIPTION: description.DrawItem(item); break;
    case IDC_LANGUAGE_COMBO: languageCombo.DrawItem(item); break;
    case IDC_EXIT_LINK: exitLink.DrawItem(item); break;
    }
    return TRUE;
}

BOOL MainWindow::OnMeasureItem(MEASUREITEMSTRUCT& item)
{
    switch (item.CtlID) {
    case IDC_MENU_LIST: menuList.MeasureItem(item); break;
    case IDC_LANGUAGE_COMBO: languageCombo.MeasureItem(item); break;
    }
    return TRUE;
}

INT_PTR MainWindow::OnCtlColorDialog(HDC dc)
{
    // With a picture the dialog is not erased: WM_PAINT covers it whole.
    if (!picture.HasImage())
        return 0;
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
}

BOOL MainWindow::OnCommand(WORD id, WORD code)
{
    switch (id) {
    case IDC_LANGUAGE_COMBO:
        if (code != CBN_SELCHANGE)
            return FALSE;
        OnLanguageChanged();
        return TRUE;
    case IDC_MENU_LIST:
        if (code != LBN_SELCHANGE)
            return FALSE;
        if (menuList.GetCurSel() != -1)
            ShowDescription(menuList.GetCurSel());
        return TRUE;
    case IDOK:
    case IDCANCEL:
        // The close box and Alt+F4 arrive here as IDCANCEL.
        PostQuitMessage(0);
        return FALSE;
    default: return FALSE;
    }
}

BOOL MainWindow::AnswerPrivateMessage(HWND dialog)
{
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 0);
    return TRUE;
}
