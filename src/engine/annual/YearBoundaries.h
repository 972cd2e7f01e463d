#pragma once

#include "core/Calendar.h"
#include "core/ReadError.h"
#include "engine/AmbianceProfile.h"

#include <vector>

namespace quelvan {
class CBCData;
}

namespace quelvan::annual {

// The boundary values of one side of the wall over the year: entry h is the value at h hours
// after 1 January 0:00 (h from 0 to 8759); the year repeats, so the end of hour 8760 takes
// entry 0.
struct SideYear {
    std::vector<double> temperature; // air, °C
    std::vector<double> flux; // radiative flux density falling on the face, W/m²
};

struct YearBoundaries {
    SideYear exterior;
    SideYear interior;
};

// The year of one ambiance, whatever the week it would start a weekly calculation on:
// - a weather ambiance reads its file from 1 January (its first day is not used): the air
//   temperature and, through the face's orientation, the sun of the file at every hour;
// - a computed sun gives the clear-sky sun of every hour of the year at the ambiance's
//   latitude and transparency (its own day is not used);
// - the other profiles repeat their 24 or 168 hourly values, the value of hour h mod n at h.
// Returns no error, or the error of BuildAmbianceProfile (Failure::WeatherFile for a weather
// file, with where and why in *weatherError when given).
ErrorCode BuildSideYear(const CBCData& record, const AmbianceContext& context, SideYear& year,
    ReadError* weatherError = nullptr);

} // namespace quelvan::annual
