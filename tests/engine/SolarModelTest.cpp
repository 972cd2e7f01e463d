#include "engine/SolarModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace quelvan {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr float Rad(double degrees)
{
    return static_cast<float>(degrees * kPi / 180.0);
}

const double kAzimuths[] = { 180, -145, -90, -45, 0, 45, 90, 135 };
const double kInclinations[] = { 0, 30, 45, 60, 90, 120, 135, 150, 180 };

// Hour number (counted from 1 January 0 h) of an hour of a day of the year (1-based).
int HourNumber(int day, int hour)
{
    return 24 * (day - 1) + hour;
}

TEST(SolarModel, DeclinationFollowsTheThirtyDayCalendar)
{
    // 30 M + D - 202 = 0 on the 22nd of the sixth month: the summer solstice.
    EXPECT_NEAR(SolarDeclination(6, 22), Rad(23.45), 1e-6);
    EXPECT_NEAR(SolarDeclination(12, 22), Rad(-23.45) * std::cos(2 * kPi * 180 / 365) / -1, 1e-3);
    EXPECT_LT(SolarDeclination(1, 1), Rad(-20));
}

TEST(SolarModel, NoonSunIsSouthAtNinetyMinusLatitudePlusDeclination)
{
    const float phi = Rad(45);
    const int day = 171; // month 6, day 21
    const SunData sun = SolarHour(phi, 0.7f, HourNumber(day, 12));
    const float delta = SolarDeclination(6, 21);
    EXPECT_NEAR(sun.height, Rad(90) - phi + delta, 1e-4);
    EXPECT_NEAR(sun.azimuth, 0.0f, 3e-3); // the 1e-7 guard keeps acos just below 1
    EXPECT_GT(sun.direct, 0.0f);
}

TEST(SolarModel, ZenithSunCrossesOneAirMass)
{
    // Latitude equal to the declination: the noon sun is at the zenith, the air mass is 1.
    const float delta = SolarDeclination(6, 22);
    const SunData sun = SolarHour(delta, 0.6f, HourNumber(172, 12));
    EXPECT_NEAR(sun.direct, 1345.0f * 0.6f, 0.5f);
    EXPECT_NEAR(sun.diffuse, 125.0f, 0.01f);
}

class NightForEveryFace : public ::testing::TestWithParam<std::tuple<double, double>> { };

TEST_P(NightForEveryFace, NoFluxWhenTheSunIsDown)
{
    const auto [gamma, beta] = GetParam();
    for (int hour : { 0, 1, 2, 3, 22, 23 }) {
        for (int day : { 15, 100, 172, 350 }) {
            const SunData sun = SolarHour(Rad(46), 0.75f, HourNumber(day, hour));
            EXPECT_EQ(sun.direct, 0.0f);
            EXPECT_EQ(sun.diffuse, 0.0f);
            EXPECT_EQ(IncidentFlux(0.2f, Rad(gamma), Rad(beta), sun.azimuth, sun.height, sun.direct,
                          sun.diffuse),
                0.0f)
                << "day " << day << " hour " << hour;
        }
    }
}
INSTANTIATE_TEST_SUITE_P(Faces, NightForEveryFace,
    ::testing::Combine(::testing::ValuesIn(kAzimuths), ::testing::ValuesIn(kInclinations)));

class EastWestSymmetry : public ::testing::TestWithParam<double> { };

TEST_P(EastWestSymmetry, EastMorningEqualsWestAfternoon)
{
    const float beta = Rad(GetParam());
    for (int k = 1; k <= 7; ++k) {
        const SunData morning = SolarHour(Rad(44), 0.7f, HourNumber(120, 12 - k));
        const SunData afternoon = SolarHour(Rad(44), 0.7f, HourNumber(120, 12 + k));
        const float east = IncidentFlux(
            0.2f, Rad(-90), beta, morning.azimuth, morning.height, morning.direct, morning.diffuse);
        const float west = IncidentFlux(0.2f, Rad(90), beta, afternoon.azimuth, afternoon.height,
            afternoon.direct, afternoon.diffuse);
        EXPECT_NEAR(east, west, 1e-3 * (1 + east)) << k;
        // A face turned up or vertical sees the morning beam on the east side only.
        const float eastAfternoon = IncidentFlux(0.2f, Rad(-90), beta, afternoon.azimuth,
            afternoon.height, afternoon.direct, afternoon.diffuse);
        if (GetParam() >= 90 && morning.height > 0.05f) {
            EXPECT_GT(east, eastAfternoon) << k;
        }
    }
}
INSTANTIATE_TEST_SUITE_P(Inclinations, EastWestSymmetry, ::testing::Values(30, 60, 90, 135));

TEST(SolarModel, NorthWallAtWinterNoonGetsOnlyDiffuseAndReflected)
{
    const SunData sun = SolarHour(Rad(46), 0.7f, HourNumber(15, 12));
    ASSERT_GT(sun.direct, 0.0f);
    const float rho = 0.2f;
    const float flux
        = IncidentFlux(rho, Rad(180), Rad(90), sun.azimuth, sun.height, sun.direct, sun.diffuse);
    // Vertical face: half of the sky, half of the ground.
    EXPECT_NEAR(flux, rho * (sun.direct + sun.diffuse) / 2 + sun.diffuse / 2, 1e-3);
    const float south
        = IncidentFlux(rho, Rad(0), Rad(90), sun.azimuth, sun.height, sun.direct, sun.diffuse);
    EXPECT_GT(south, flux + 100.0f);
}

TEST(SolarModel, RoofAndFloorEnds)
{
    const SunData sun = SolarHour(Rad(46), 0.7f, HourNumber(172, 11));
    const float rho = 0.3f;
    // 180: a roof looking at the sky receives the horizontal irradiances.
    EXPECT_NEAR(
        IncidentFlux(rho, Rad(0), Rad(180), sun.azimuth, sun.height, sun.direct, sun.diffuse),
        sun.direct + sun.diffuse, 0.01f);
    // 0: a face looking down at the ground receives the reflected radiation only.
    EXPECT_NEAR(IncidentFlux(rho, Rad(0), Rad(0), sun.azimuth, sun.height, sun.direct, sun.diffuse),
        rho * (sun.direct + sun.diffuse), 0.01f);
}

TEST(SolarModel, SouthFaceBeamFollowsTheIncidenceAngle)
{
    // Sun due south at 30 degrees: a vertical south face gets D cos(30) / sin(30).
    const float flux = IncidentFlux(0.0f, 0.0f, Rad(90), 0.0f, Rad(30), 400.0f, 0.0f);
    EXPECT_NEAR(flux, 400.0f * std::cos(Rad(30)) / std::sin(Rad(30)), 0.01f);
    // Grazing sun below 0.01 in sine: no beam.
    EXPECT_NEAR(IncidentFlux(0.0f, 0.0f, Rad(90), 0.0f, 0.005f, 400.0f, 0.0f), 0.0f, 1e-6);
}

} // namespace
} // namespace quelvan
