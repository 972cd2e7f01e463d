#pragma once

// Walls and climates of the moisture tests, built from hand-chosen values.
#include "engine/moisture/MoistureCheck.h"
#include "engine/moisture/Psychrometrics.h"

#include <cmath>
#include <numbers>

namespace quelvan::moisture::test {

// A layer from its thickness (m), λ and μ (or s_d in m when sd > 0).
inline MoistureLayer Layer(const char* name, double d, double lambda, double mu, double sd = 0.0)
{
    return { name, d, d / lambda, sd > 0.0 ? sd : mu * d };
}

// The same month twelve times.
inline YearClimate SteadyYear(double thetaE, double rhE, double thetaI, double rhI)
{
    YearClimate year;
    year.fill(
        { thetaE, rhE * SaturationPressure(thetaE), thetaI, rhI * SaturationPressure(thetaI) });
    return year;
}

// A temperate year: θe from 1 °C in January to 19 °C in July, 80 % outside; 20 °C and a fixed
// interior humidity inside.
inline YearClimate TemperateYear(double rhI)
{
    YearClimate year;
    for (int m = 0; m < 12; ++m) {
        const double thetaE = 10.0 - 9.0 * std::cos(2.0 * std::numbers::pi * m / 12.0);
        year[static_cast<std::size_t>(m)]
            = { thetaE, 0.8 * SaturationPressure(thetaE), 20.0, rhI * SaturationPressure(20.0) };
    }
    return year;
}

// Masonry insulated on the inside: concrete 200 mm (μ 80), mineral wool 100 mm, an optional
// vapour control layer of s_d vclSd between the wool and the plasterboard, plasterboard 12.5 mm.
inline MoistureWall InsideInsulated(double vclSd)
{
    MoistureWall wall;
    wall.layers.push_back(Layer("Béton", 0.2, 2.0, 80));
    wall.layers.push_back(Layer("Laine", 0.1, 0.041, 1));
    if (vclSd > 0.0)
        wall.layers.push_back(Layer("Pare-vapeur", 0.0002, 0.33, 0, vclSd));
    wall.layers.push_back(Layer("Plaque", 0.0125, 0.25, 4));
    return wall;
}

} // namespace quelvan::moisture::test
