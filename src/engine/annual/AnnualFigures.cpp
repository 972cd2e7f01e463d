#include "engine/annual/AnnualFigures.h"

#include "core/Units.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quelvan::annual {

namespace {

constexpr double kJoulesPerKilowattHour = 3.6e6;

void Extend(BalanceFigures& f, const HourRecord& r, bool first)
{
    const double tsi = r.interiorSurfaceTemperature;
    f.tsiMin = first ? tsi : std::min(f.tsiMin, tsi);
    f.tsiMax = first ? tsi : std::max(f.tsiMax, tsi);
    f.hoursAbove26 += tsi > kOverheatingSurface ? 1 : 0;
    f.hoursBelow17 += tsi < kColdSurface ? 1 : 0;
    const double difference = r.interiorTemperature - r.exteriorTemperature;
    if (difference >= kFrsiMinimumDifference) {
        const double frsi = (tsi - r.exteriorTemperature) / difference;
        f.frsiMin = f.frsiMin ? std::min(*f.frsiMin, frsi) : frsi;
    }
    f.peakOut = std::max(f.peakOut, r.interiorFlux);
    f.peakIn = std::max(f.peakIn, -r.interiorFlux);
}

} // namespace

HourHeat StraightHourHeat(double q0, double q1)
{
    if (q0 >= 0.0 && q1 >= 0.0)
        return { (q0 + q1) / 2 * units::kSecondsPerHour, 0.0 };
    if (q0 <= 0.0 && q1 <= 0.0)
        return { 0.0, -(q0 + q1) / 2 * units::kSecondsPerHour };
    // One end on each side: the triangles on both sides of the crossing at s = q0 / (q0 − q1).
    const double positive = std::max(q0, q1);
    const double negative = -std::min(q0, q1);
    const double span = positive + negative;
    return { positive * positive / span / 2 * units::kSecondsPerHour,
        negative * negative / span / 2 * units::kSecondsPerHour };
}

BalanceTable SumFigures(std::span<const HourRecord> hours)
{
    BalanceTable table;
    std::array<bool, kMonthCount> seen {};
    bool yearSeen = false;
    for (const HourRecord& r : hours) {
        const auto month = static_cast<std::size_t>(MonthOfHour(r.hour));
        for (BalanceFigures* f : { &table.months[month], &table.year }) {
            f->loss += r.loss;
            f->gain += r.gain;
            f->steady += r.steady;
        }
        Extend(table.months[month], r, !seen[month]);
        Extend(table.year, r, !yearSeen);
        seen[month] = true;
        yearSeen = true;
    }
    auto finish = [](BalanceFigures& f) {
        f.loss /= kJoulesPerKilowattHour;
        f.gain /= kJoulesPerKilowattHour;
        f.steady /= kJoulesPerKilowattHour;
        f.net = f.loss - f.gain;
    };
    for (BalanceFigures& f : table.months)
        finish(f);
    finish(table.year);
    return table;
}

} // namespace quelvan::annual
