#include "engine/annual/AnnualFigures.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quelvan::annual {

namespace {

constexpr double kHour = 3600.0;
constexpr double kJoulesPerKilowattHour = 3.6e6;

// The flux over the hour, s from 0 to 1: p(s) = q0 + b s + a s², with its integral from 0.
struct HourParabola {
    double q0;
    double b;
    double a;

    double Integral(double s) const { return (q0 + (b / 2 + a / 3 * s) * s) * s; }
};

// The roots of the parabola strictly inside (0, 1), in increasing order.
int RootsInside(const HourParabola& p, std::array<double, 2>& roots)
{
    int count = 0;
    auto keep = [&](double s) {
        if (s > 0.0 && s < 1.0 && std::isfinite(s))
            roots[static_cast<std::size_t>(count++)] = s;
    };
    const double scale = std::fabs(p.q0) + std::fabs(p.b) + std::fabs(p.a);
    if (std::fabs(p.a) <= 1e-12 * scale) {
        if (p.b != 0.0)
            keep(-p.q0 / p.b);
    } else {
        const double discriminant = p.b * p.b - 4.0 * p.a * p.q0;
        if (discriminant >= 0.0) {
            // The stable pair: no difference of close numbers.
            const double q = -0.5 * (p.b + std::copysign(std::sqrt(discriminant), p.b));
            keep(q / p.a);
            if (q != 0.0)
                keep(p.q0 / q);
        }
    }
    if (count == 2 && roots[0] > roots[1])
        std::swap(roots[0], roots[1]);
    return count;
}

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

HourHeat SplitHourHeat(double q0, double q1, double mean)
{
    const double curvature = 6.0 * (mean - (q0 + q1) / 2);
    const HourParabola p { q0, q1 - q0 + curvature, -curvature };
    std::array<double, 2> roots {};
    const int count = RootsInside(p, roots);
    if (count == 0) {
        // One sign over the hour, that of its mean: the whole heat goes to one side.
        return mean >= 0.0 ? HourHeat { mean * kHour, 0.0 } : HourHeat { 0.0, -mean * kHour };
    }
    HourHeat heat;
    double from = 0.0;
    for (int i = 0; i <= count; ++i) {
        const double to = i < count ? roots[static_cast<std::size_t>(i)] : 1.0;
        const double part = p.Integral(to) - p.Integral(from);
        (part >= 0.0 ? heat.loss : heat.gain) += std::fabs(part) * kHour;
        from = to;
    }
    return heat;
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
