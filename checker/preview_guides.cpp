#include "checker/preview_guides.h"

#include "graphics/dc_scope.h"
#include "graphics/owned_gdi_object.h"
#include "resources/resource_ids.h"

std::vector<PreviewGuide> DialogGuides(HWND dialog)
{
    const struct {
        int id;
        const char* name;
        COLORREF colour;
    } controls[] = {
        {IDC_MENU_LIST, "list", RGB(230, 0, 0)},
        {IDC_DESCRIPTION, "description", RGB(0, 0, 230)},
        {IDC_LANGUAGE_COMBO, "languages", RGB(0, 150, 0)},
        {IDC_EXIT_LINK, "exit link", RGB(200, 0, 200)},
    };
    std::vector<PreviewGuide> guides;
    for (const auto& control : controls) {
        const HWND window = GetDlgItem(dialog, control.id);
        if (!window || (GetWindowLongPtrA(window, GWL_STYLE) & WS_VISIBLE) == 0)
            continue;
        RECT area;
        GetWindowRect(window, &area);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&area), 2);
        guides.push_back(PreviewGuide{control.name, control.colour, area});
    }
    return guides;
}

void DrawGuides(const std::vector<PreviewGuide>& guides, HDC dc)
{
    const int saved = SaveDC(dc);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    SetBkMode(dc, TRANSPARENT);
    for (const PreviewGuide& guide : guides) {
        const OwnedPen pen(CreatePen(PS_SOLID, 1, guide.colour));
        {
            SelectedObject selected(dc, pen.get());
            Rectangle(dc, guide.area.left, guide.area.top, guide.area.right, guide.area.bottom);
        }
        SetTextColor(dc, guide.colour);
        TextOutA(dc, guide.area.left + 2, guide.area.top + 1, guide.name, lstrlenA(guide.name));
    }
    RestoreDC(dc, saved);
}
