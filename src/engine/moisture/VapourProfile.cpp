// The tangent construction as a lower convex hull (monotone chain): the pressure line from the
// exterior to the interior pulled under every saturation point.
#include "engine/moisture/VapourProfile.h"

#include "engine/moisture/Psychrometrics.h"

#include <cstddef>

namespace quelvan::moisture {

namespace {

// Height of the point the profile may pass through: the faces carry the air's pressures.
double Ceiling(const ProfileInput& in, std::size_t j)
{
    if (j == 0)
        return in.exteriorPressure;
    if (j + 1 == in.s.size())
        return in.interiorPressure;
    return in.psat[j];
}

// Whether b lies on or above the segment from a to c (b is then no hull vertex).
bool NotBelow(const ProfileInput& in, std::size_t a, std::size_t b, std::size_t c)
{
    const double cross = (in.s[b] - in.s[a]) * (Ceiling(in, c) - Ceiling(in, a))
        - (Ceiling(in, b) - Ceiling(in, a)) * (in.s[c] - in.s[a]);
    return cross <= 0.0;
}

// Appends to hull the lower hull's vertices from first (already in hull) to last.
void LowerHull(
    const ProfileInput& in, std::size_t first, std::size_t last, std::vector<std::size_t>& hull)
{
    const std::size_t base = hull.size();
    for (std::size_t j = first + 1; j <= last; ++j) {
        while (hull.size() > base && NotBelow(in, hull[hull.size() - 2], hull.back(), j))
            hull.pop_back();
        hull.push_back(j);
    }
}

} // namespace

Profile SolveProfile(const ProfileInput& in)
{
    const std::size_t n = in.s.size();
    std::vector<std::size_t> hull { 0 };
    std::size_t anchor = 0;
    for (std::size_t j = 1; j < n; ++j) {
        const bool fixed = j + 1 == n || (j < in.wet.size() && in.wet[j]);
        if (fixed) {
            LowerHull(in, anchor, j, hull);
            anchor = j;
        }
    }

    Profile out { std::vector<double>(n, 0.0), std::vector<double>(n, 0.0) };
    for (std::size_t k = 0; k + 1 < hull.size(); ++k) {
        const std::size_t a = hull[k];
        const std::size_t b = hull[k + 1];
        const double pa = Ceiling(in, a);
        const double slope = (Ceiling(in, b) - pa) / (in.s[b] - in.s[a]);
        for (std::size_t j = a; j < b; ++j)
            out.pressure[j] = pa + slope * (in.s[j] - in.s[a]);
    }
    out.pressure[n - 1] = in.interiorPressure;
    for (std::size_t k = 1; k + 1 < hull.size(); ++k) {
        const std::size_t a = hull[k - 1];
        const std::size_t c = hull[k];
        const std::size_t b = hull[k + 1];
        const double inner = (out.pressure[b] - out.pressure[c]) / (in.s[b] - in.s[c]);
        const double outer = (out.pressure[c] - out.pressure[a]) / (in.s[c] - in.s[a]);
        out.rate[c] = kAirPermeability * (inner - outer);
    }
    return out;
}

} // namespace quelvan::moisture
