#pragma once
#include <windows.h>

// Where the parts of one menu row lie, without any window. A row is a bullet
// column followed by the caption, which wraps to what is left of the width.

// The bullet bitmaps are 11 x 11 pixels, set 2 pixels in from the row's
// top-left corner.
constexpr int kBulletSize = 11;
constexpr int kBulletInset = 2;
// Captions start this far from the row's left edge, right of the bullet.
constexpr int kBulletColumn = 19;
// Rows are 2 pixels taller than their caption; the text sits at the top.
constexpr int kRowPadding = 2;
// The caption font's cell height.
constexpr int kCaptionFontHeight = 15;

// The box a caption is measured and drawn in: the row less the bullet column.
RECT CaptionBox(const RECT& row);

// A row is as tall as its wrapped caption plus the padding below it.
int RowHeightForText(int textHeight);

// Only the caption text itself counts as a hit: the bullet column, the space
// right of its longest line and the padding below it do not. measured is the
// caption's size as it wraps in the row.
bool IsOnCaption(const RECT& row, SIZE measured, POINT point);
