// The menu list's keyboard: Enter activates the selected row, the arrow keys
// move the selection one row and scroll by whole rows at the view's edges.
#include "controls/menu_list.h"

#include <vector>

#include "controls/list_keyboard.h"
#include "controls/private_messages.h"

LRESULT MenuList::OnKeyDown(WPARAM key, LPARAM lParam)
{
    switch (key) {
    case VK_RETURN: return ActivateSelection(key, lParam);
    case VK_LEFT:
    case VK_UP: return MoveUp();
    case VK_RIGHT:
    case VK_DOWN: return MoveDown();
    default: return DefWindowProcA(window, WM_KEYDOWN, key, lParam);
    }
}

LRESULT MenuList::ActivateSelection(WPARAM key, LPARAM lParam)
{
    // A row that is only hovered is not activated by Enter, and a held key
    // (its repeats carry bit 30, the key was down before) starts it once.
    const bool repeat = (lParam & (1 << 30)) != 0;
    const int selection = GetCurSel();
    if (selection != -1 && !repeat)
        SendToDialog(UM_ACTIVATEITEM, selection);
    return DefWindowProcA(window, WM_KEYDOWN, key, lParam);
}

LRESULT MenuList::MoveUp()
{
    const int current = GetCurrent();
    if (current == 0)
        return 0;
    const ListBoxControl list = ListBox();
    const int top = list.GetTopIndex();
    if (current == top) {
        // At the top of the view the list scrolls by exactly one row.
        hoverIndex = -1;
        list.SetTopIndex(current - 1);
        list.SetCurSel(current - 1);
        InvalidateList();
    } else {
        SelectWithinView(current, current - 1, top);
    }
    SendToDialog(UM_CURRENTITEM, list.GetCurSel());
    return 0;
}

LRESULT MenuList::MoveDown()
{
    const int current = GetCurrent();
    const int next = current + 1;
    const ListBoxControl list = ListBox();
    if (next >= list.Count())
        return 0;
    const std::vector<int> heights = list.ItemHeights();
    const int top = list.GetTopIndex();
    const int clientHeight = ClientHeight();
    if (RowReachesBottom(heights, top, next, clientHeight)) {
        // Scroll by whole rows until the next row ends inside the view.
        list.SetTopIndex(TopToReveal(heights, top, next, clientHeight));
        list.SetCurSel(next);
        hoverIndex = -1;
        InvalidateList();
    } else {
        SelectWithinView(current, next, top);
    }
    SendToDialog(UM_CURRENTITEM, list.GetCurSel());
    return 0;
}

void MenuList::SelectWithinView(int current, int target, int top)
{
    const ListBoxControl list = ListBox();
    if (current == -1) {
        list.SetCurSel(top);
    } else {
        InvalidateItem(current);
        list.SetCurSel(target);
    }
    hoverIndex = -1;
    InvalidateItem(list.GetCurSel());
}
