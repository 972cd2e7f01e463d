#pragma once

#include <algorithm>
#include <cmath>

namespace quelvan::graphics {

// No coordinate or axis value converted to an integer lies farther from 0 than this, so that
// no conversion ever leaves the int range (a drawing is a few thousand units wide).
inline constexpr double kCoordinateLimit = 1e9;

// A value truncated toward zero to an integer, as the drawing's coordinates are: limited to
// ±kCoordinateLimit, and 0 for a value that is no number.
inline int TruncatedCoordinate(double v)
{
    return std::isnan(v) ? 0 : static_cast<int>(std::clamp(v, -kCoordinateLimit, kCoordinateLimit));
}

// An integer point in world or device units.
struct IPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const IPoint&, const IPoint&) = default;
};

// A float point: the data points of a polyline, kept as mapped floats.
struct FPoint {
    float x = 0.0f;
    float y = 0.0f;
};

// An integer rectangle given by its four edges, not necessarily normalised (world rectangles
// usually have top above bottom because world y grows upward).
struct IRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    // Left <= right and top <= bottom.
    IRect Normalised() const
    {
        return { std::min(left, right), std::min(top, bottom), std::max(left, right),
            std::max(top, bottom) };
    }
    // Inside the normalised rectangle, right and bottom edges excluded.
    bool Contains(IPoint p) const
    {
        const IRect n = Normalised();
        return p.x >= n.left && p.x < n.right && p.y >= n.top && p.y < n.bottom;
    }
    IRect Offset(int dx, int dy) const { return { left + dx, top + dy, right + dx, bottom + dy }; }
    friend bool operator==(const IRect&, const IRect&) = default;
};

} // namespace quelvan::graphics
