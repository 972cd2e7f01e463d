#pragma once

#include "engine/CalculationInputs.h"
#include "engine/annual/AnnualBalance.h"
#include "engine/moisture/MoistureInputs.h"
#include "engine/moisture/MoistureSummary.h"

#include "engine/moisture/WeatherHumidity.h"

#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace quelvan {
class KslDoc;
}

// The moisture check of a study's variant: the check of quelvan-cli condensation on the
// variant's wall, in one row.
namespace quelvan::variants {

// The humidity years of a study's weather files, each read once for all its variants (and the
// message of a file that did not read).
class HumidityYears {
public:
    struct Year {
        std::optional<moisture::HourlyHumidity> hours;
        std::string error;
    };
    std::shared_ptr<const Year> Of(const std::string& path);

private:
    std::mutex mutex_;
    std::map<std::string, std::shared_ptr<const Year>> years_;
};

struct MoistureStudy {
    moisture::InteriorChoice interior;
    // The monthly climate of every variant; none: each variant's exterior weather file, which
    // also gives the hours of the inner surface above 80 % (from the annual balance).
    std::optional<moisture::ExteriorYear> climate;
    // Shared by the variants of a study (RunStudy makes it); none: each variant reads its file.
    std::shared_ptr<HumidityYears> years = {};
};

// Whether the check of a variant needs the annual balance's hours (a weather year).
inline bool NeedsYear(const MoistureStudy& study)
{
    return !study.climate.has_value();
}

// The summary of the check, or the French message of what made it impossible (a material
// without μ or s_d, no interior temperature, a weather file without humidity). `year` is the
// variant's annual balance when the check needs it.
struct MoistureOutcome {
    std::optional<moisture::MoistureSummary> summary;
    std::string error;
};
MoistureOutcome CheckVariantMoisture(const KslDoc& doc, const CalculationInputs& inputs,
    const MoistureStudy& study, const annual::AnnualBalanceResult* year);

} // namespace quelvan::variants
