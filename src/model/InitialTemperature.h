#pragma once

#include <array>
#include <optional>

namespace quelvan {

// Where a calculation's initial temperatures come from: the steady state of the initial
// ambiances, or the temperatures the previous calculation ended with.
enum class InitialTemperature : int { Automatic = 0, PreviousCalculation = 1 };

struct InitialTemperatureInfo {
    InitialTemperature mode;
    const char* label; // the form's list, in this order
};

inline constexpr std::array<InitialTemperatureInfo, 2> kInitialTemperatures { {
    { InitialTemperature::Automatic, "Température initiale automatique" },
    { InitialTemperature::PreviousCalculation, "Température initiale calcul précédent" },
} };

// The project file stores the code; only 0 and 1 are modes.
inline std::optional<InitialTemperature> InitialTemperatureFromCode(int code)
{
    for (const InitialTemperatureInfo& info : kInitialTemperatures)
        if (static_cast<int>(info.mode) == code)
            return info.mode;
    return std::nullopt;
}

} // namespace quelvan
