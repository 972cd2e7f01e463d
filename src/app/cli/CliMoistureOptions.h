#pragma once

#include "engine/moisture/MoistureInputs.h"

#include <CLI/CLI.hpp>

#include <optional>
#include <string>

// The climate and interior options of the moisture check, shared by condensation and by the
// studies' --moisture.
namespace quelvan::cli {

struct MoistureCommandOptions {
    std::string climate; // a monthly climate file; empty: the exterior ambiance's weather file
    moisture::InteriorChoice interior;
};

// --climate MOIS.csv (which excludes `weather` when given), --interior-rh, --humidity-class and
// --vapour-excess (one of the three) and --interior-temperature.
void AddMoistureOptions(
    CLI::App& command, MoistureCommandOptions& options, CLI::Option* weather = nullptr);

// The monthly climate file; prints why it does not read and gives nothing then.
std::optional<moisture::ExteriorYear> ClimateFromFile(const std::string& path);

} // namespace quelvan::cli
