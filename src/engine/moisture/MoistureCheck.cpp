// The year of the monthly method on the points of the grid, with the water-conserving rule for
// interfaces that dry within a month, and the verdict.
#include "engine/moisture/MoistureCheck.h"

#include "core/Calendar.h"
#include "core/Units.h"
#include "engine/moisture/MoistureGrid.h"
#include "engine/moisture/Psychrometrics.h"
#include "engine/moisture/VapourProfile.h"

#include <algorithm>
#include <cmath>

namespace quelvan::moisture {

namespace {

constexpr double kGramsPerKg = 1000.0;
// A rate below this (kg/(m²·s), about 0.03 mg/m² a month) is no condensation.
constexpr double kNoRate = 1e-14;

ProfileInput InputFor(const MoistureGrid& g, const MonthClimate& c, const std::vector<double>& held)
{
    ProfileInput in;
    in.s = g.s;
    in.psat.resize(g.s.size());
    in.wet.resize(g.s.size());
    for (std::size_t j = 0; j < g.s.size(); ++j) {
        const double theta = c.thetaE + g.r[j] / g.totalResistance * (c.thetaI - c.thetaE);
        in.psat[j] = SaturationPressure(theta);
        in.wet[j] = held[j] > 0.0;
    }
    in.exteriorPressure = c.pE;
    in.interiorPressure = c.pI;
    return in;
}

bool CondensesWhenDry(const MoistureGrid& g, const MonthClimate& c)
{
    const Profile p = SolveProfile(InputFor(g, c, std::vector<double>(g.s.size(), 0.0)));
    return std::ranges::any_of(p.rate, [](double rate) { return rate > kNoRate; });
}

// One month: the water held at each point moves with the rates of the profile; when a wet point
// dries before the month ends, the profile is solved again from that moment.
void StepMonth(
    const MoistureGrid& g, const MonthClimate& c, double seconds, std::vector<double>& held)
{
    const int maxSteps = 4 * static_cast<int>(held.size()) + 16;
    for (int step = 0; step < maxSteps && seconds > 0.0; ++step) {
        const Profile p = SolveProfile(InputFor(g, c, held));
        double dt = seconds;
        std::size_t drying = held.size();
        for (std::size_t j = 0; j < held.size(); ++j) {
            if (held[j] > 0.0 && p.rate[j] < 0.0 && held[j] / -p.rate[j] < dt) {
                dt = held[j] / -p.rate[j];
                drying = j;
            }
        }
        for (std::size_t j = 0; j < held.size(); ++j)
            held[j] = std::max(0.0, held[j] + p.rate[j] * dt);
        if (drying < held.size())
            held[drying] = 0.0;
        seconds -= dt;
    }
}

std::vector<InterfaceState> InterfacesAt(
    const MoistureGrid& g, const MonthClimate& c, const std::vector<double>& held)
{
    const ProfileInput in = InputFor(g, c, held);
    const Profile p = SolveProfile(in);
    std::vector<InterfaceState> out;
    for (std::size_t j = 0; j < g.s.size(); ++j)
        if (g.isInterface[j])
            out.push_back({ g.x[j], c.thetaE + g.r[j] / g.totalResistance * (c.thetaI - c.thetaE),
                in.psat[j], p.pressure[j] });
    return out;
}

std::vector<double> HeldByPlace(const MoistureGrid& g, const std::vector<double>& held)
{
    std::vector<double> sums(g.places.size(), 0.0);
    for (std::size_t j = 0; j < held.size(); ++j)
        if (g.place[j] >= 0)
            sums[static_cast<std::size_t>(g.place[j])] += held[j] * kGramsPerKg;
    return sums;
}

MonthResult RunMonth(
    const MoistureGrid& g, int month, const MonthClimate& c, std::vector<double>& held)
{
    MonthResult result { month, c, InterfacesAt(g, c, held), {}, 0.0 };
    const std::vector<double> before = HeldByPlace(g, held);
    StepMonth(
        g, c, kDaysPerMonth[static_cast<std::size_t>(month - 1)] * units::kSecondsPerDay, held);
    const std::vector<double> after = HeldByPlace(g, held);
    for (std::size_t k = 0; k < g.places.size(); ++k) {
        if (before[k] > 0.0 || after[k] > 0.0)
            result.condensation.push_back({ g.places[k], after[k] - before[k], after[k] });
        result.heldTotalGPerM2 += after[k];
    }
    return result;
}

// From a dry wall, the first month that condenses after a month that does not; January when
// every month condenses, 0 when none does.
int StartMonth(const MoistureGrid& g, const YearClimate& climate)
{
    std::array<bool, 12> condenses {};
    for (std::size_t m = 0; m < 12; ++m)
        condenses[m] = CondensesWhenDry(g, climate[m]);
    if (std::ranges::none_of(condenses, [](bool b) { return b; }))
        return 0;
    for (std::size_t m = 0; m < 12; ++m)
        if (condenses[m] && !condenses[(m + 11) % 12])
            return static_cast<int>(m) + 1;
    return 1;
}

double LargestDifference(const YearClimate& climate)
{
    double largest = 0.0;
    for (const MonthClimate& c : climate)
        largest = std::max(largest, std::abs(c.thetaI - c.thetaE));
    return largest;
}

void Summarise(CondensationResult& result)
{
    for (const MonthResult& month : result.months) {
        if (month.heldTotalGPerM2 > result.maxTotalGPerM2) {
            result.maxTotalGPerM2 = month.heldTotalGPerM2;
            result.maxMonth = month.month;
            const auto most = std::ranges::max_element(
                month.condensation, {}, [](const LocationWater& w) { return w.heldGPerM2; });
            result.maxLocation = most != month.condensation.end() ? most->location : "";
        }
        if (result.dryMonth == 0 && result.maxTotalGPerM2 > 0.0 && month.heldTotalGPerM2 <= 0.0)
            result.dryMonth = month.month;
    }
    result.endTotalGPerM2 = result.months.back().heldTotalGPerM2;
    if (result.startMonth == 0)
        result.verdict = Verdict::None;
    else
        result.verdict = result.endTotalGPerM2 > 0.0 ? Verdict::Accumulates : Verdict::Evaporates;
}

} // namespace

CondensationResult CheckCondensation(
    const MoistureWall& wall, const YearClimate& climate, const CheckOptions& options)
{
    const MoistureGrid g
        = BuildGrid(wall, options.fine ? options.fineKelvin : 0.0, LargestDifference(climate));
    CondensationResult result;
    result.uValue = 1.0 / g.totalResistance;
    result.totalSd = g.s.back();
    result.subLayers = static_cast<int>(g.s.size()) - 1;
    result.startMonth = StartMonth(g, climate);
    std::vector<double> held(g.s.size(), 0.0);
    const int first = std::max(result.startMonth, 1);
    for (int i = 0; i < 12; ++i) {
        const int month = (first - 1 + i) % 12 + 1;
        result.months.push_back(
            RunMonth(g, month, climate[static_cast<std::size_t>(month - 1)], held));
    }
    Summarise(result);
    return result;
}

MouldResult CheckMould(const MoistureWall& wall, const YearClimate& climate)
{
    MouldResult result;
    const double rt = wall.TotalResistance() - wall.rsi + kMouldSurfaceResistance;
    result.frsiWall = 1.0 - kMouldSurfaceResistance / rt;
    for (std::size_t m = 0; m < 12; ++m) {
        const MonthClimate& c = climate[m];
        MouldMonth month { static_cast<int>(m) + 1, true, 0.0 };
        if (c.thetaE < c.thetaI) {
            const double thetaMin = SaturationTemperature(c.pI / kMouldCriticalHumidity);
            month.skipped = false;
            month.frsiMin = (thetaMin - c.thetaE) / (c.thetaI - c.thetaE);
            if (result.criticalMonth == 0 || month.frsiMin > result.frsiMax) {
                result.frsiMax = month.frsiMin;
                result.criticalMonth = month.month;
            }
        }
        result.months.push_back(month);
    }
    result.passes = result.criticalMonth == 0 || result.frsiWall > result.frsiMax;
    return result;
}

const char* VerdictKeyword(Verdict verdict)
{
    switch (verdict) {
    case Verdict::None:
        return "none";
    case Verdict::Evaporates:
        return "evaporates";
    case Verdict::Accumulates:
        return "accumulates";
    }
    return "none";
}

} // namespace quelvan::moisture
