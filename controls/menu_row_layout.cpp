#include "controls/menu_row_layout.h"

RECT CaptionBox(const RECT& row)
{
    RECT box = row;
    box.left += kBulletColumn;
    return box;
}

int RowHeightForText(int textHeight)
{
    return textHeight + kRowPadding;
}

bool IsOnCaption(const RECT& row, SIZE measured, POINT point)
{
    const RECT box = CaptionBox(row);
    const RECT text{box.left, box.top, box.left + measured.cx, box.top + measured.cy};
    return PtInRect(&text, point) != FALSE;
}
