#include "controls/list_keyboard.h"

int CurrentRow(int selection, int hoverIndex, int rowCount)
{
    if (selection != -1)
        return selection;
    return (hoverIndex >= 0 && hoverIndex < rowCount) ? hoverIndex : -1;
}

int RowTopInView(const std::vector<int>& heights, int top, int row)
{
    int y = 0;
    for (int i = top; i < row; ++i)
        y += heights[i];
    for (int i = row; i < top; ++i)
        y -= heights[i];
    return y;
}

bool RowReachesBottom(const std::vector<int>& heights, int top, int row, int clientHeight)
{
    return RowTopInView(heights, top, row) + heights[row] >= clientHeight;
}

int TopToReveal(const std::vector<int>& heights, int top, int row, int clientHeight)
{
    const int overhang = RowTopInView(heights, top, row) + heights[row] - clientHeight;
    // A row taller than the view never fits; it ends up on top, not above it.
    int newTop = top;
    int scrolled = 0;
    while (scrolled < overhang && newTop < row) {
        scrolled += heights[newTop];
        ++newTop;
    }
    return newTop;
}
