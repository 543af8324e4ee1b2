#include "controls/scroll_bar_geometry.h"

#include <algorithm>
#include <cmath>

namespace {

int Height(const RECT& rect)
{
    return rect.bottom - rect.top;
}

// A list too short for both arrows has a track of no length rather than a
// negative one.
int TrackLength(const RECT& track)
{
    return std::max(0, Height(track));
}

double TravelRatio(int clientHeight, int totalHeight, int trackLength, int thumbHeight)
{
    const int scrollable = totalHeight - clientHeight;
    if (scrollable <= 0)
        return 0.0;
    return static_cast<double>(trackLength - thumbHeight) / scrollable;
}

RECT ThumbOnTrack(const RECT& bar, const RECT& track, int thumbHeight, double travelRatio,
                  int heightAbove)
{
    int offset = static_cast<int>(std::floor(heightAbove * travelRatio + 0.5));
    // Scrolled as far as the list allows, rounding may carry the thumb past
    // the track: it rests on the bottom instead.
    if (track.top + thumbHeight + offset > track.bottom)
        offset = track.bottom - track.top - thumbHeight;
    offset = std::max(0, offset);
    const LONG top = track.top + offset;
    return RECT{bar.left, top, bar.right, top + thumbHeight};
}

} // namespace

RECT ScrollFrame(const RECT& windowRect, bool clientEdge)
{
    RECT frame{0, 0, windowRect.right - windowRect.left, windowRect.bottom - windowRect.top};
    if (clientEdge)
        InflateRect(&frame, -1, -1);
    return frame;
}

RECT ScrollBarRectIn(const RECT& frame)
{
    RECT bar = frame;
    bar.left = frame.right - kScrollBarWidth;
    return bar;
}

int ThumbHeight(int clientHeight, int totalHeight, int trackLength)
{
    if (totalHeight <= 0 || clientHeight >= totalHeight)
        return trackLength;
    const double visibleShare = static_cast<double>(clientHeight) / totalHeight;
    return std::max(0, static_cast<int>(std::floor(visibleShare * trackLength + 0.5)));
}

ScrollBarLayout LayoutScrollBar(const RECT& bar, int clientHeight, int totalHeight, int heightAbove)
{
    ScrollBarLayout layout{};
    layout.bar = bar;
    layout.upArrow = RECT{bar.left, bar.top, bar.right, bar.top + kArrowHeight};
    layout.downArrow = RECT{bar.left, bar.bottom - kArrowHeight, bar.right, bar.bottom};
    layout.track = RECT{bar.left, bar.top + kArrowHeight, bar.right, bar.bottom - kArrowHeight};

    const int trackLength = TrackLength(layout.track);
    const int thumbHeight = ThumbHeight(clientHeight, totalHeight, trackLength);
    layout.travelRatio = TravelRatio(clientHeight, totalHeight, trackLength, thumbHeight);
    layout.thumb = ThumbOnTrack(bar, layout.track, thumbHeight, layout.travelRatio, heightAbove);
    return layout;
}

ScrollPart HitTestPart(const ScrollBarLayout& layout, POINT point)
{
    if (PtInRect(&layout.upArrow, point))
        return ScrollPart::UpArrow;
    if (PtInRect(&layout.downArrow, point))
        return ScrollPart::DownArrow;
    if (PtInRect(&layout.thumb, point))
        return ScrollPart::Thumb;
    if (!PtInRect(&layout.bar, point))
        return ScrollPart::None;
    return point.y < layout.thumb.top ? ScrollPart::PageUp : ScrollPart::PageDown;
}

bool IsStepPart(ScrollPart part)
{
    return part == ScrollPart::UpArrow || part == ScrollPart::PageUp ||
           part == ScrollPart::PageDown || part == ScrollPart::DownArrow;
}

bool ThumbMoveFits(const ScrollBarLayout& layout, int thumbTop, int delta)
{
    const int thumbBottom = thumbTop + Height(layout.thumb);
    return thumbTop + delta >= layout.track.top && thumbBottom + delta <= layout.track.bottom;
}

int ContentOffsetOfThumb(const ScrollBarLayout& layout, int thumbTop)
{
    if (layout.travelRatio <= 0.0)
        return 0;
    return static_cast<int>(std::floor((thumbTop - layout.track.top) / layout.travelRatio + 0.5));
}

int RowAtContentOffset(const std::vector<int>& heights, int offset)
{
    int rowTop = 0;
    for (size_t row = 0; row < heights.size(); ++row) {
        if (rowTop <= offset && offset < rowTop + heights[row])
            return static_cast<int>(row);
        rowTop += heights[row];
    }
    return -1;
}

int PageUpTarget(const std::vector<int>& heights, int top, int clientHeight)
{
    int row = std::min(top, static_cast<int>(heights.size()) - 1);
    int gathered = 0;
    while (row > 0 && gathered < clientHeight) {
        gathered += heights[row];
        --row;
    }
    return std::max(0, row);
}

int PageDownTarget(const std::vector<int>& heights, int top, int clientHeight)
{
    int target = -1;
    int rowBottom = 0;
    for (size_t row = std::max(0, top); row < heights.size(); ++row) {
        rowBottom += heights[row];
        if (rowBottom < clientHeight)
            target = static_cast<int>(row);
    }
    return target;
}

bool CanStepDown(const std::vector<int>& heights, int top, int clientHeight)
{
    int below = 0;
    for (size_t row = std::max(0, top); row < heights.size(); ++row)
        below += heights[row];
    return below > clientHeight;
}

ThumbSlices SliceThumb(int thumbHeight)
{
    if (thumbHeight <= 0)
        return ThumbSlices{0, 0, 0};
    if (thumbHeight >= 2 * kThumbEdgeRows)
        return ThumbSlices{kThumbEdgeRows, thumbHeight - 2 * kThumbEdgeRows, kThumbEdgeRows};
    const int upper = (thumbHeight + 1) / 2;
    return ThumbSlices{upper, 0, thumbHeight - upper};
}
