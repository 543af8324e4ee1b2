#include "controls/exit_link_layout.h"

RECT ExitLinkTextArea(const RECT& control, bool hasBullet)
{
    RECT area = control;
    if (hasBullet)
        area.right -= kExitBulletStrip;
    return area;
}

POINT ExitLinkBulletOrigin(const RECT& textArea)
{
    const int height = textArea.bottom - textArea.top;
    return POINT{textArea.right + kExitBulletGap, textArea.top + (height - kExitBulletSize) / 2};
}

RECT ExitLinkTextBox(const RECT& control, SIZE textSize, bool hasBullet)
{
    const int controlHeight = control.bottom - control.top;
    const int top =
        control.top + (controlHeight > textSize.cy ? (controlHeight - textSize.cy) / 2 : 0);
    const int right = ExitLinkTextArea(control, hasBullet).right;
    return RECT{right - textSize.cx, top, right, top + textSize.cy};
}
