#include "engine/SurfacePrecision.h"

#include "core/Messages.h"
#include "core/NumberText.h"
#include "model/CBCData.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quelvan {

namespace {

// The warmest air of the weather files of the ten cities, with a margin.
constexpr float kWeatherTemperature = 50.0f;
// Ordinary airs and rooms: below it the spacing of floats is smaller still.
constexpr float kLeastTemperature = 32.0f;

// The largest temperature magnitude an ambiance's air takes.
float HottestAir(const CBCData* record)
{
    if (record == nullptr)
        return 0.0f;
    if (record->weatherFlag)
        return kWeatherTemperature;
    const ProfileData& p = record->temperature;
    switch (p.type) {
    case ProfileType::Constant:
        return std::fabs(FloatValue(p.values[1]));
    case ProfileType::Sinusoid:
    case ProfileType::Ramp:
    case ProfileType::Square:
        return std::max(std::fabs(FloatValue(p.values[0])), std::fabs(FloatValue(p.values[1])));
    default:
        return 0.0f;
    }
}

// h u(T) with h as the network computes it, in single precision.
double FluxStep(const std::string& resistance, float temperature)
{
    const float exchange = 1.0f / (FloatValue(resistance) + 0.0000005f);
    const float spacing
        = std::nextafter(temperature, std::numeric_limits<float>::infinity()) - temperature;
    return static_cast<double>(exchange) * spacing;
}

} // namespace

SurfaceFluxSteps StandardSurfaceFluxSteps(const CalculationInputs& inputs)
{
    const float hottest = std::max({ kLeastTemperature, HottestAir(inputs.exteriorAmbiance),
        HottestAir(inputs.interiorAmbiance) });
    return { FluxStep(inputs.surfaces.resistanceExterior, hottest),
        FluxStep(inputs.surfaces.resistanceInterior, hottest) };
}

std::vector<std::string> SurfacePrecisionWarnings(const CalculationInputs& inputs)
{
    std::vector<std::string> warnings;
    if (inputs.mode != CalculationMode::Standard)
        return warnings;
    const SurfaceFluxSteps steps = StandardSurfaceFluxSteps(inputs);
    const struct {
        const char* face;
        const std::string& resistance;
        double step;
    } faces[] = { { "extérieure", inputs.surfaces.resistanceExterior, steps.exterior },
        { "intérieure", inputs.surfaces.resistanceInterior, steps.interior } };
    for (const auto& f : faces)
        if (f.step > kResolvedSurfaceFlux)
            warnings.push_back(std::string(msg::kSurfaceResistanceTooSmall) + " " + f.face + " « "
                + f.resistance + " »" + msg::kSurfaceFluxUnreliable);
    return warnings;
}

} // namespace quelvan
