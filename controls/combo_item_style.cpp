#include "controls/combo_item_style.h"

ItemColours ComboItemColours(UINT itemState, const ItemColours& current)
{
    if (itemState & ODS_SELECTED)
        return ItemColours{GetSysColor(COLOR_HIGHLIGHTTEXT), GetSysColor(COLOR_HIGHLIGHT)};
    return current;
}

RECT ComboItemTextArea(const RECT& item)
{
    RECT area = item;
    area.left += 2;
    return area;
}
