// Properties of the tangent construction on profiles made from many walls and climates: the
// pressure never above saturation, dry contacts condensing, and the water balance of the faces.
#include "engine/moisture/VapourProfile.h"
#include "engine/moisture/Psychrometrics.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quelvan::moisture {
namespace {

struct ProfileCase {
    const char* label;
    std::vector<double> sd; // per layer
    std::vector<double> theta; // at every point
    double pe;
    double pi;
    std::vector<bool> wet;
    friend void PrintTo(const ProfileCase& c, std::ostream* os) { *os << c.label; }
};

ProfileInput InputOf(const ProfileCase& c)
{
    ProfileInput in { { 0.0 }, {}, c.pe, c.pi, c.wet };
    for (const double sd : c.sd)
        in.s.push_back(in.s.back() + sd);
    for (const double t : c.theta)
        in.psat.push_back(SaturationPressure(t));
    return in;
}

class ProfilePropertyTest : public testing::TestWithParam<ProfileCase> { };

TEST_P(ProfilePropertyTest, StaysUnderSaturationAndBalancesTheFaces)
{
    const ProfileInput in = InputOf(GetParam());
    const Profile p = SolveProfile(in);
    const std::size_t n = in.s.size();
    EXPECT_DOUBLE_EQ(p.pressure.front(), in.exteriorPressure);
    EXPECT_DOUBLE_EQ(p.pressure.back(), in.interiorPressure);
    double sum = 0.0;
    for (std::size_t j = 1; j + 1 < n; ++j) {
        EXPECT_LE(p.pressure[j], in.psat[j] + 1e-9) << j;
        const bool wet = j < in.wet.size() && in.wet[j];
        if (wet) {
            EXPECT_NEAR(p.pressure[j], in.psat[j], 1e-9) << j;
        } else {
            EXPECT_GE(p.rate[j], 0.0) << j; // a dry contact only condenses
        }
        if (p.rate[j] != 0.0) {
            EXPECT_NEAR(p.pressure[j], in.psat[j], 1e-9) << j;
        }
        sum += p.rate[j];
    }
    // Water balance: what the interior face lets in minus what the exterior face lets out.
    const double in_ = kAirPermeability * (in.interiorPressure - p.pressure[n - 2])
        / (in.s[n - 1] - in.s[n - 2]);
    const double out = kAirPermeability * (p.pressure[1] - in.exteriorPressure) / in.s[1];
    EXPECT_NEAR(sum, in_ - out, 1e-12 * (std::abs(in_) + std::abs(out)) + 1e-20);
}

INSTANTIATE_TEST_SUITE_P(Walls, ProfilePropertyTest,
    testing::Values(ProfileCase { "NoCondensation", { 1.1, 0.1, 0.6, 0.3, 0.06 },
                        { 11.0, 12.2, 12.4, 18.4, 18.9, 19.0 }, 1016.0, 1285.3, {} },
        ProfileCase {
            "OneContact", { 16.0, 0.1, 0.05 }, { 1.0, 1.9, 18.7, 19.1 }, 488.0, 1168.5, {} },
        ProfileCase { "Zone", { 2.0, 2.0, 2.0, 0.1, 0.1, 0.05 },
            { -4.0, -3.5, -2.5, -1.0, 5.0, 15.0, 19.0 }, 350.0, 1300.0, {} },
        ProfileCase { "WetAndEvaporating", { 5.0, 0.5, 1.0 }, { 15.0, 15.5, 18.0, 19.0 }, 1400.0,
            1200.0, { false, true, false, false } },
        ProfileCase { "TwoWet", { 2.0, 0.1, 3.0, 0.1 }, { 10.0, 10.5, 12.0, 18.0, 19.5 }, 900.0,
            1100.0, { false, true, false, true, false } },
        ProfileCase { "ExteriorAboveSaturation", { 0.5, 0.5, 0.5 }, { -5.0, -4.0, 10.0, 19.0 },
            500.0, 1100.0, {} }));

} // namespace
} // namespace quelvan::moisture
