#pragma once

namespace quelvan {

// Clear-sky sun model of the engine. Angles in radians; irradiances in W/m². The calendar has
// twelve months of 30 days; hour numbers count from the start of the year.

struct SunData {
    float azimuth = 0.0f; // from south, positive toward west (afternoon), negative in the morning
    float height = 0.0f; // above the horizon, 0 at night
    float direct = 0.0f; // direct irradiance on a horizontal plane
    float diffuse = 0.0f; // diffuse irradiance on a horizontal plane
};

// Declination of the day (month 1..12, day of month 1..30).
float SolarDeclination(long long month, long long dayOfMonth);
// Hour angle of an hour of the day (0..23): 0 at noon, negative in the morning.
float SolarHourAngle(int hourOfDay);

// Sun height for a latitude, an hour angle and a declination: arcsin of the clamped sine.
float SolarHeight(float latitude, float hourAngle, float declination);
// Sun azimuth for the same angles and the sun height.
float SolarAzimuth(float latitude, float hourAngle, float declination, float height);

// Position and clear-sky irradiances at hour number m of the year, for a latitude and an
// atmospheric transparency tau (0..1). Any hour number, negative ones included, gives a sun.
SunData SolarHour(float latitude, float transparency, long long hourNumber);

// Flux density falling on a face of azimuth gamma (from south, positive toward west) and
// inclination beta (0 a face looking down at the ground, pi/2 vertical, pi a roof looking at
// the sky), with ground albedo rho:
//   R = rho (D + F) (1 + cos beta) / 2 + F (1 - cos beta) / 2 (ground-reflected and diffuse)
//   cos theta = cos(gamma - a) sin beta cos h - sin h cos beta
//   plus cos theta D / (sin h + 1e-7) when cos theta > 0 and |sin h| > 0.01 (direct beam).
float IncidentFlux(float albedo, float gamma, float beta, float sunAzimuth, float sunHeight,
    float direct, float diffuse);

} // namespace quelvan
