#include "gradation.h"

#include <algorithm>
#include <cstdlib>

namespace {

int64_t Width(const DrawRect& r) { return int64_t{r.right} - r.left; }
int64_t Height(const DrawRect& r) { return int64_t{r.bottom} - r.top; }

// left + i×extent/n lies between left and left + extent, both 32-bit values.
int32_t Along(int64_t from, int64_t extent, int64_t i, int64_t n)
{
    return static_cast<int32_t>(from + i * extent / n);
}

int32_t Channel(int from, int to, int64_t i, int64_t n)
{
    return static_cast<int32_t>(from + i * (to - from) / n);
}

} // namespace

bool GradationHasDirection(DrawingMode mode)
{
    return mode == DrawingMode::Left || mode == DrawingMode::Top || mode == DrawingMode::Right ||
           mode == DrawingMode::Bottom || mode == DrawingMode::Center;
}

int32_t GradationSteps(bool given, int32_t value, DrawingMode mode, const DrawRect& rect, const DrawRect& area)
{
    auto crossed = [mode](const DrawRect& r) {
        int64_t width = std::llabs(Width(r)), height = std::llabs(Height(r));
        switch (mode) {
        case DrawingMode::Left:
        case DrawingMode::Right:
            return width;
        case DrawingMode::Top:
        case DrawingMode::Bottom:
            return height;
        default:
            return std::max(width, height);
        }
    };
    int64_t steps = given ? std::max(value, 2) : kDefaultGradationSteps;
    return static_cast<int32_t>(std::clamp<int64_t>(std::min(crossed(rect), crossed(area)), 2, steps));
}

DrawRect GradationBand(DrawingMode mode, const DrawRect& r, int32_t i, int32_t n)
{
    int64_t w = Width(r), h = Height(r);
    DrawRect band = r;
    switch (mode) {
    case DrawingMode::Left:
        band.left = Along(r.left, w, i, n);
        band.right = Along(r.left, w, i + int64_t{1}, n);
        break;
    case DrawingMode::Top:
        band.top = Along(r.top, h, i, n);
        band.bottom = Along(r.top, h, i + int64_t{1}, n);
        break;
    case DrawingMode::Right:
        band.left = Along(r.right, -w, i + int64_t{1}, n);
        band.right = Along(r.right, -w, i, n);
        break;
    case DrawingMode::Bottom:
        band.top = Along(r.bottom, -h, i + int64_t{1}, n);
        band.bottom = Along(r.bottom, -h, i, n);
        break;
    case DrawingMode::Center: {
        int64_t dx = i * w / n / 2, dy = i * h / n / 2;
        band.left = static_cast<int32_t>(r.left + dx);
        band.right = static_cast<int32_t>(r.right - dx);
        band.top = static_cast<int32_t>(r.top + dy);
        band.bottom = static_cast<int32_t>(r.bottom - dy);
        break;
    }
    default:
        break;
    }
    return band;
}

Colour GradationColour(Colour from, Colour to, int32_t i, int32_t n)
{
    return MakeColour(Channel(RedOf(from), RedOf(to), i, n), Channel(GreenOf(from), GreenOf(to), i, n),
                      Channel(BlueOf(from), BlueOf(to), i, n));
}
