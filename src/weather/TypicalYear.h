#pragma once

#include "weather/ClimateNormals.h"
#include "weather/WeatherYear.h"

#include <cstdint>

namespace quelvan::weather {

// Synthesises a typical hourly year for a city from its monthly normals:
// - sun position every hour at the city's latitude, longitude and time zone;
// - monthly global irradiation from the sunshine duration (Angström-Prescott), spread over the
//   days with a seeded first-order autoregressive clearness and over the hours of each day in
//   proportion to the usual daily shape, never above the clear-sky value;
// - diffuse and direct parts by a diffuse-fraction correlation on the hourly clearness;
// - daily minimum and maximum temperatures around the normals, with seeded day-to-day
//   anomalies coupled to the clearness, joined by a daily curve with its minimum near sunrise
//   and its maximum in mid-afternoon; each month is then adjusted so that the means of its
//   daily minima and maxima equal the normals.
// The same normals and seed give the same year, to the last bit.
WeatherYear GenerateTypicalYear(const CityNormals& normals, std::uint64_t seed);
// With the seed made from the city's name.
WeatherYear GenerateTypicalYear(const CityNormals& normals);

} // namespace quelvan::weather
