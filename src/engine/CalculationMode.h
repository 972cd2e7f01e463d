#pragma once

#include <array>

namespace quelvan {

// How a calculation advances: the standard method (five cells per layer, one implicit step per
// hour, Jacobi sweeps) or the fine mode (cells bounded by the penetration depth, Crank–Nicolson
// sub-steps, direct solves). Both give the same hourly rows and displays.
enum class CalculationMode : int { Standard = 0, Fine = 1 };

struct CalculationModeInfo {
    CalculationMode mode;
    const char* label; // the name users see
};

inline constexpr std::array<CalculationModeInfo, 2> kCalculationModes { {
    { CalculationMode::Standard, "Calcul standard" },
    { CalculationMode::Fine, "Calcul fin" },
} };

constexpr const char* CalculationModeLabel(CalculationMode mode)
{
    for (const CalculationModeInfo& info : kCalculationModes)
        if (info.mode == mode)
            return info.label;
    return "";
}

} // namespace quelvan
