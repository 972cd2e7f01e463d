#pragma once

// One steady vapour profile through the wall: the partial pressure at every interface from the
// tangent construction of the monthly method, and the rate at which water gathers or leaves at
// each interface where the pressure touches saturation.
#include <vector>

namespace quelvan::moisture {

// The points of the profile from the exterior face (index 0, s = 0) to the interior face (last
// index, s = S_T): cumulative s_d in m and saturation pressure in Pa. The two faces carry the
// air's pressures (surface vapour resistances are neglected); only the points between them can
// condense.
struct ProfileInput {
    std::vector<double> s;
    std::vector<double> psat;
    double exteriorPressure = 0.0;
    double interiorPressure = 0.0;
    // Interfaces still holding water: their pressure stays at saturation (one flag per point;
    // the faces are never wet).
    std::vector<bool> wet;
};

struct Profile {
    std::vector<double> pressure; // Pa at every point
    // kg/(m²·s) at every point: positive where water condenses, negative where a wet interface
    // dries, zero elsewhere (and at the faces).
    std::vector<double> rate;
};

// The lower convex hull of (0, pe), (s_j, psat_j), (S_T, pi) taken between consecutive wet
// points, which are held at saturation; the hull's vertices between the faces are the
// condensation interfaces. The pressure between vertices is linear in s. The rate at a vertex c
// with hull neighbours a and b is δ0·[(p_b − p_c)/(s_b − s_c) − (p_c − p_a)/(s_c − s_a)].
// s must increase strictly.
Profile SolveProfile(const ProfileInput& input);

} // namespace quelvan::moisture
