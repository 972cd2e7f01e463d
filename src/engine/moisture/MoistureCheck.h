#pragma once

// The moisture check of a wall: interstitial condensation by the monthly method (steady vapour
// diffusion, month by month over a year) and the surface mould criterion f_Rsi.
#include "engine/moisture/MoistureWall.h"

#include <array>
#include <string>
#include <vector>

namespace quelvan::moisture {

// One month of design climate on both sides: temperatures in °C, vapour pressures in Pa.
struct MonthClimate {
    double thetaE = 0.0;
    double pE = 0.0;
    double thetaI = 20.0;
    double pI = 0.0;
};
using YearClimate = std::array<MonthClimate, 12>;

struct CheckOptions {
    // Cut the layers into sub-layers so that a condensation zone inside a thick layer is found:
    // no sub-layer spans more than fineKelvin in the coldest month.
    bool fine = false;
    double fineKelvin = 0.05;
};

// A point of the profile at the start of a month: position from the exterior face in m.
struct InterfaceState {
    double xM = 0.0;
    double thetaC = 0.0;
    double psatPa = 0.0;
    double pPa = 0.0;
};

// Water at one place over a month: the net amount that gathered (> 0) or left (< 0) in g/m²,
// and the amount held at the month's end.
struct LocationWater {
    std::string location;
    double netGPerM2 = 0.0;
    double heldGPerM2 = 0.0;
};

struct MonthResult {
    int month = 1; // 1 to 12
    MonthClimate climate;
    std::vector<InterfaceState> interfaces; // the faces and the layers' interfaces
    std::vector<LocationWater> condensation; // the places that hold or exchanged water
    double heldTotalGPerM2 = 0.0;
};

enum class Verdict { None, Evaporates, Accumulates };

struct CondensationResult {
    Verdict verdict = Verdict::None;
    int startMonth = 0; // 1 to 12; 0 when nothing condenses
    double maxTotalGPerM2 = 0.0;
    int maxMonth = 0;
    std::string maxLocation;
    double endTotalGPerM2 = 0.0;
    int dryMonth = 0; // the month at whose end the wall is dry again; 0 when it never is
    std::vector<MonthResult> months; // twelve, from the start month (January when none)
    double uValue = 0.0; // W/(m²·K), with the wall's surface resistances
    double totalSd = 0.0; // S_T in m
    int subLayers = 0; // layers of the calculation (more than the wall's with the fine option)
};

// The year of the monthly method from a dry wall. Each month every wet interface is held at
// saturation; when one dries before the month ends, the profile is solved again from that
// moment, so that no water is made or lost (the usual rule of clamping each interface at zero
// at the month's end drops the evaporation a dried interface could not pay).
CondensationResult CheckCondensation(
    const MoistureWall& wall, const YearClimate& climate, const CheckOptions& options = {});

struct MouldMonth {
    int month = 1;
    bool skipped = true; // θe ≥ θi: the factor is not defined
    double frsiMin = 0.0;
};

struct MouldResult {
    double frsiWall = 0.0; // 1 − 0.25·U' with U' taken with R_si = 0.25 m²·K/W
    double frsiMax = 0.0;
    int criticalMonth = 0; // 0 when every month is skipped
    std::vector<MouldMonth> months;
    bool passes = true;
};

// The surface mould criterion: for each month, the lowest inner surface temperature that keeps
// the surface humidity at 80 % and its factor f_Rsi,min; the wall passes when its own f_Rsi
// exceeds the largest of them.
MouldResult CheckMould(const MoistureWall& wall, const YearClimate& climate);

// "none", "evaporates", "accumulates".
const char* VerdictKeyword(Verdict verdict);

} // namespace quelvan::moisture
