#pragma once

#include "model/AmbianceCodes.h"
#include "model/CalculationCheck.h"

#include <cstddef>

namespace quelvan {

struct Bounds;

// Why an ambiance cannot be computed.
enum class AmbianceFault : int {
    None = 0,
    NoAmbiance = 24101, // no record chosen for the side
    BadValue = 24102, // a value the calculation reads is not a number within its bounds
    TemperatureFromSun = 24103, // a temperature of type "Calculé", which only yields a flux
    BadAbsorption = 24104, // a flux falls on a face whose absorption is not within 0..1
};
template <> inline constexpr bool kIsErrorFamily<AmbianceFault> = true;

// Whether a flux falls on the face: the sun of a weather file, or a flux profile whose type
// gives values ("Nul", and the codes the calculation turns into zeros, give none).
bool FluxActs(const CBCData& record);

// The bounds the calculation checks value `index` (0 to 3) of a profile of that type and
// component against; null for a value it does not read.
const Bounds* ProfileValueBounds(ProfileType type, Component component, std::size_t index);

// Whether the ambiance chosen for a side can be computed: every value the calculation reads from
// it within its physical bounds (core/PhysicalBounds.h) — temperatures, flux densities and
// hours of the profiles, or the transparency, latitude, albedo and day of a computed sun, or the
// first day and the albedo of a weather file — and, where a flux acts, the face's absorption
// coefficient from 0 to 1. Values the profile type does not use are not read. The message
// names the ambiance and the value as the ambiance dialog labels it.
CalculationCheck CheckAmbiance(const CBCData* record, Side side, const SurfaceTexts& surfaces);

} // namespace quelvan
