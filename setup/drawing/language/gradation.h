#pragma once
// The bands of "gradation": n solid fills from the start colour toward the
// end colour, laid out by the mode (left, top, right, bottom, center).
#include <cstdint>

#include "drawing_state.h"

inline constexpr int32_t kDefaultGradationSteps = 64;

// The number of bands: the script's count (64 when absent), at least 2, and
// no more than the pixels that the gradient crosses, within the rectangle
// and within the drawing area (width for left and right, height for top and
// bottom, the larger of the two for center): more bands could not show,
// and a count of two thousand million fills would hold setup up before its
// dialog ever appeared.
int32_t GradationSteps(bool given, int32_t value, DrawingMode mode, const DrawRect& rect, const DrawRect& area);

// True for the modes that give bands a direction. Point, rect and the whole
// area name none: there "gradation" only sets the current colour.
bool GradationHasDirection(DrawingMode mode);

// Band `i` of `steps` (0 <= i < steps), its rectangle in 64-bit arithmetic,
// all divisions truncating toward zero.
DrawRect GradationBand(DrawingMode mode, const DrawRect& rect, int32_t i, int32_t steps);

// The colour of band `i`: each of red, green and blue goes from `from`
// toward `to`, the last band one step short of `to`.
Colour GradationColour(Colour from, Colour to, int32_t i, int32_t steps);
