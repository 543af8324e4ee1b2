#include "app/dialog_scaling.h"

#include <cmath>

LONG ScaleEdge(LONG edge, double factor, bool roundToNearest)
{
    const double scaled = edge * factor + (roundToNearest ? 0.5 : 0.0);
    return static_cast<LONG>(std::floor(scaled));
}

RECT ScaleRect(const RECT& rect, double sx, double sy, bool roundToNearest)
{
    RECT scaled;
    scaled.left = ScaleEdge(rect.left, sx, roundToNearest);
    scaled.right = ScaleEdge(rect.right, sx, roundToNearest);
    scaled.top = ScaleEdge(rect.top, sy, roundToNearest);
    scaled.bottom = ScaleEdge(rect.bottom, sy, roundToNearest);
    return scaled;
}
