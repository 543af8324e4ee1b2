#include "checker/window_print.h"

#include "checker/preview_canvas.h"

namespace {

bool HasVisibleStyle(HWND window)
{
    return (GetWindowLongPtrA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

// The child's whole window rectangle in the parent's client coordinates.
RECT PlaceInParent(HWND child, HWND parent)
{
    RECT place;
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

bool IsOwnerDrawnDropDownList(HWND window)
{
    char className[16] = {};
    GetClassNameA(window, className, sizeof(className));
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    return lstrcmpiA(className, "ComboBox") == 0 && (style & 3) == CBS_DROPDOWNLIST &&
           (style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) != 0;
}

// The request a drop-down list sends its owner for the selected item in its
// field, as it sends it when shown.
DRAWITEMSTRUCT FieldItem(HWND combo, HDC dc, const RECT& field, bool enabled)
{
    const LRESULT selected = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_COMBOBOX;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(combo));
    item.itemID = static_cast<UINT>(selected);
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = ODS_COMBOBOXEDIT | (GetFocus() == combo ? ODS_SELECTED | ODS_FOCUS : 0) |
                     (enabled ? 0 : ODS_DISABLED);
    item.hwndItem = combo;
    item.hDC = dc;
    item.rcItem = field;
    item.itemData = selected >= 0 ? SendMessageA(combo, CB_GETITEMDATA, selected, 0) : 0;
    return item;
}

// Wine's drop-down list leaves its field unpainted while it is hidden, even
// when it is printed. An owner-drawn one is asked for its field here as it
// asks for it when shown: in its font, the field less a one-pixel margin
// filled with the owner's colours for an edit field, then the selected item
// drawn in it by the owner. Where the control did paint it, the same pixels
// come again.
void PrintOwnerDrawnField(HWND combo, HDC dc)
{
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    if (!GetComboBoxInfo(combo, &info))
        return;
    const HWND owner = GetParent(combo);
    const bool enabled = IsWindowEnabled(combo) != FALSE;
    const int saved = SaveDC(dc);
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(combo, WM_GETFONT, 0, 0)));
    const LRESULT brush =
        SendMessageA(owner, enabled ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC,
                     reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(combo));
    RECT field = info.rcItem;
    InflateRect(&field, -1, -1);
    FillRect(dc, &field, brush ? reinterpret_cast<HBRUSH>(brush) : GetSysColorBrush(COLOR_WINDOW));
    IntersectClipRect(dc, field.left, field.top, field.right, field.bottom);
    DRAWITEMSTRUCT item = FieldItem(combo, dc, field, enabled);
    SendMessageA(owner, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
    RestoreDC(dc, saved);
}

// The child prints into a bitmap of its own that starts as a copy of what
// lies under it: the controls clip their drawing to their client rectangle
// taken as device coordinates, as in their own window's context, so the
// context they print into must start at their top-left corner.
void PrintChild(HWND child, HWND parent, HDC dc)
{
    const RECT place = PlaceInParent(child, parent);
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    PreviewCanvas layer(width, height);
    if (!layer.Handle())
        return;
    BitBlt(layer.Handle(), 0, 0, width, height, dc, place.left, place.top, SRCCOPY);
    SendMessageA(child, WM_PRINT, reinterpret_cast<WPARAM>(layer.Handle()),
                 PRF_NONCLIENT | PRF_ERASEBKGND | PRF_CLIENT);
    if (IsOwnerDrawnDropDownList(child))
        PrintOwnerDrawnField(child, layer.Handle());
    BitBlt(dc, place.left, place.top, width, height, layer.Handle(), 0, 0, SRCCOPY);
}

} // namespace

void PrintWindowClient(HWND window, HDC dc)
{
    SendMessageA(window, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_ERASEBKGND | PRF_CLIENT);
    const HWND top = GetWindow(window, GW_CHILD);
    for (HWND child = top ? GetWindow(top, GW_HWNDLAST) : nullptr; child;
         child = GetWindow(child, GW_HWNDPREV)) {
        if (HasVisibleStyle(child))
            PrintChild(child, window, dc);
    }
}
