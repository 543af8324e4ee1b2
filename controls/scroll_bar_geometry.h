#pragma once
#include <windows.h>

#include <vector>

// Geometry of the menu list's own scroll bar, without any window: the list
// gathers its measurements and these functions turn them into rectangles,
// parts and top indexes. All rectangles are relative to the list window's
// top-left corner; the list has no border, so they are client coordinates too.

// The parts of the bar; the values are those a press stores.
enum class ScrollPart { None = 0, UpArrow = 1, Thumb = 2, PageUp = 3, PageDown = 4, DownArrow = 5 };

// The bar is as wide as its bitmaps, and the arrow buttons as tall as theirs.
constexpr int kScrollBarWidth = 17;
constexpr int kArrowHeight = 19;
// Taken from the client area on overflow: the bar plus a one-pixel column
// that the list never paints, so the picture shows between rows and bar.
constexpr int kScrollBarReserve = kScrollBarWidth + 1;
// The thumb's top and bottom bitmaps are two rows each; the middle slice is
// stretched over what lies between.
constexpr int kThumbEdgeRows = 2;

// The bar in every detail for one state of the list.
struct ScrollBarLayout {
    RECT bar;
    RECT upArrow;
    RECT downArrow;
    RECT track;
    RECT thumb;
    // Thumb pixels per pixel of content scrolled; 0 when nothing can scroll.
    double travelRatio;
};

// The frame the bar is measured in: the window rectangle at the origin, less
// the one-pixel client edge when the list has one.
RECT ScrollFrame(const RECT& windowRect, bool clientEdge);

// The bar column at the right edge of the frame, as tall as the frame.
RECT ScrollBarRectIn(const RECT& frame);

// Everything else follows from the bar, the visible height, the height of all
// rows and the height of the rows above the top one.
ScrollBarLayout LayoutScrollBar(const RECT& bar, int clientHeight, int totalHeight,
                                int heightAbove);

// The thumb's height is the visible share of the content on the track.
int ThumbHeight(int clientHeight, int totalHeight, int trackLength);

// The part under a point: arrows first, then the thumb, then the track above
// or below it. The thumb tested is the computed one, also during a drag.
ScrollPart HitTestPart(const ScrollBarLayout& layout, POINT point);

// The arrows and the track above and below the thumb scroll step by step
// when pressed; the thumb is dragged instead.
bool IsStepPart(ScrollPart part);

// A drag by delta pixels is taken whole or refused whole: the thumb, with its
// top at thumbTop, must stay inside the track.
bool ThumbMoveFits(const ScrollBarLayout& layout, int thumbTop, int delta);

// The content offset in pixels that a thumb with its top at thumbTop stands for.
int ContentOffsetOfThumb(const ScrollBarLayout& layout, int thumbTop);

// The row in which a content offset lies, or -1 beyond the last row.
int RowAtContentOffset(const std::vector<int>& heights, int offset);

// Page up collects rows upward, starting with the top one, until a client
// height is gathered or row 0 is reached; row 0's height is never added.
int PageUpTarget(const std::vector<int>& heights, int top, int clientHeight);

// Page down brings the last row that ends strictly above the client bottom to
// the top; -1 when no row from the top on does.
int PageDownTarget(const std::vector<int>& heights, int top, int clientHeight);

// The down arrow steps only while the rows from the top on are taller than
// the client area.
bool CanStepDown(const std::vector<int>& heights, int top, int clientHeight);

// How the thumb's rows are shared out between its three bitmaps. A thumb
// shorter than both edges together gets no middle, the upper half of its rows
// from the top edge and the lower half from the bottom edge.
struct ThumbSlices {
    int topRows;
    int middleRows;
    int bottomRows;
};
ThumbSlices SliceThumb(int thumbHeight);
