#pragma once

#include "engine/moisture/MoistureText.h"

#include <optional>
#include <string>

// The JSON object of quelvan-cli condensation --json (its keys are documented in
// docs/moisture.md, so that scripts can rely on them).
namespace quelvan::cli {

std::string CondensationJson(const moisture::CondensationResult& result,
    const moisture::MouldResult& mould,
    const std::optional<moisture::SurfaceHumidityHours>& surface, bool fine);

} // namespace quelvan::cli
