#pragma once

#include <vector>

// The menu list's keyboard rules, without any window. Row heights are given
// in list order; the view starts at the top row and is clientHeight tall.

// The current row is the selection if there is one, else the hovered row.
// The hover index survives a refill of the list, so a hovered row that no
// longer exists counts as no current row.
int CurrentRow(int selection, int hoverIndex, int rowCount);

// The top of a row relative to the top of the view (negative above it).
int RowTopInView(const std::vector<int>& heights, int top, int row);

// A row that ends on or below the client bottom is not wholly in view.
bool RowReachesBottom(const std::vector<int>& heights, int top, int row, int clientHeight);

// The top index that scrolls by whole rows until the row's bottom edge lies
// within the view; the top itself when the row already fits.
int TopToReveal(const std::vector<int>& heights, int top, int row, int clientHeight);
