#include "bitmap_placement.h"

#include <algorithm>
#include <limits>

namespace {

// How many of 0, step, 2×step, ... lie below `limit`.
int64_t CopiesBelow(int64_t limit, int64_t step)
{
    return limit <= 0 ? 0 : (limit + step - 1) / step;
}

int32_t Clamp32(int64_t value)
{
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

DrawRect MakeRect(int64_t left, int64_t top, int64_t right, int64_t bottom)
{
    return {Clamp32(left), Clamp32(top), Clamp32(right), Clamp32(bottom)};
}

} // namespace

BitmapPlacement PlaceBitmap(DrawingMode mode, const DrawRect& current, const DrawRect& area, int32_t width,
                            int32_t height)
{
    BitmapPlacement p;
    p.rectAfter = current;
    if (width <= 0 || height <= 0) return p;

    const int64_t w = width, h = height, r = area.right, b = area.bottom;
    p.stepX = w;
    p.stepY = h;
    p.columns = p.rows = 1;
    switch (mode) {
    case DrawingMode::Point:
        p.firstX = current.left;
        p.firstY = current.top;
        p.rectAfter = MakeRect(0, 0, w, h);
        break;
    case DrawingMode::Left:
        p.rows = CopiesBelow(b, h);
        p.rectAfter = MakeRect(0, 0, w, b);
        break;
    case DrawingMode::Top:
        p.columns = CopiesBelow(r, w);
        p.rectAfter = MakeRect(0, 0, r, h);
        break;
    case DrawingMode::Right:
        p.firstX = r - w;
        p.rows = CopiesBelow(b, h);
        p.rectAfter = MakeRect(r - w, 0, r, b);
        break;
    case DrawingMode::Bottom:
        p.firstY = b - h;
        p.columns = CopiesBelow(r, w);
        p.rectAfter = MakeRect(0, b - h, r, b);
        break;
    case DrawingMode::Center:
        p.firstX = (r - w) / 2;
        p.firstY = (b - h) / 2;
        p.rectAfter = MakeRect(p.firstX, p.firstY, p.firstX + w, p.firstY + h);
        break;
    case DrawingMode::Rect:
        p.stretch = true;
        p.stretchTo = current;
        p.columns = p.rows = 0;
        break;
    case DrawingMode::WholeArea:
        p.columns = CopiesBelow(r, w);
        p.rows = CopiesBelow(b, h);
        p.rectAfter = area;
        break;
    }
    return p;
}
