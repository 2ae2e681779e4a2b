#pragma once
// Where "bitmap" puts its copies, by mode, and the current rectangle that it
// leaves. R and B are the drawing area's right and bottom coordinates (its
// left and top are 0), W and H the bitmap's width and height.
//
//   point   one copy at the current rectangle's top-left  -> (0, 0, W, H)
//   left    a column at x = 0, y = 0, H, 2H ... < B        -> (0, 0, W, B)
//   top     a row at y = 0, x = 0, W, 2W ... < R           -> (0, 0, R, H)
//   right   a column at x = R - W                          -> (R - W, 0, R, B)
//   bottom  a row at y = B - H                             -> (0, B - H, R, B)
//   center  one copy at ((R - W) / 2, (B - H) / 2)         -> that copy's rectangle
//   rect    one copy stretched over the current rectangle  -> unchanged
//   area    copies over the whole area, column by column   -> the drawing area
#include <cstdint>

#include "drawing_state.h"

// Unscaled copies at x = firstX + k × stepX (k < columns) and
// y = firstY + l × stepY (l < rows), or one stretched copy.
struct BitmapPlacement {
    bool stretch = false;      // one copy over `stretchTo`
    DrawRect stretchTo;
    int64_t firstX = 0, firstY = 0;
    int64_t stepX = 0, stepY = 0;
    int64_t columns = 0, rows = 0;
    DrawRect rectAfter;        // the current rectangle afterwards
};

// A bitmap without area (W or H of 0 or less) is never placed: tiling by
// such a step would not end. Then nothing is drawn and the rectangle stays.
BitmapPlacement PlaceBitmap(DrawingMode mode, const DrawRect& current, const DrawRect& area, int32_t width,
                            int32_t height);
