#pragma once

#include "core/ErrorCodes.h"
#include "core/ReadError.h"
#include "engine/WeatherFiles.h"
#include "model/AmbianceCodes.h"
#include "model/WallTables.h"
#include "persistence/WeatherColumns.h"

namespace quelvan {

class CBCData;
class NCodedString;

// What an ambiance profile needs besides its record: the wall's placement (indices of the
// azimuth and inclination tables) and where weather files are looked for.
struct AmbianceContext {
    int azimuthIndex = kDefaultAzimuthIndex;
    int inclinationIndex = kDefaultInclinationIndex;
    WeatherSearch weather;
    // For a calculation that reads every hour at its true time (the fine mode): the computed
    // sun's value i is the sun of hour i, and a week of weather lists its 169 hours, 0 to 168,
    // since weather does not repeat after a week. Otherwise the computed sun's value i is the
    // sun of hour i + 1, as the method lists it and its evaluation reads it an hour later during
    // the first span, and a week of weather lists 168 hours repeated weekly.
    bool atTrueHours = false;
};

// Builds the hourly profile of one component (air temperature or flux density) of an
// ambiance into target: 24 values repeated daily or 168 repeated weekly, from the profile type,
// from the weather file or from the clear-sky sun model. Returns no error, Failure::WeatherFile
// when a weather column cannot be loaded (file not found, unreadable; where and why in
// *weatherError when given), Failure::General without a record or when the built profile is not
// valid, or another NCodedString::FinalizeProfile code.
ErrorCode BuildAmbianceProfile(const CBCData* record, Component component, NCodedString& target,
    const AmbianceContext& context, ReadError* weatherError = nullptr);

// The ambient temperature the initial straight-line guess starts from: the mean of a
// sinusoid, ramp or square wave, the constant, 0 for a null profile, and otherwise (weather,
// computed) the profile's value at t.
float InitialAmbientTemperature(const CBCData& record, NCodedString& temperatureProfile, double t);

// A file profile on one column of the record's weather file, finalised over the whole file
// window. Failure::None, or Failure::WeatherFile with where and why in *error when given.
Failure LoadWeatherColumn(const CBCData& record, WeatherColumn column, const WeatherSearch& search,
    NCodedString& profile, ReadError* error = nullptr);

} // namespace quelvan
