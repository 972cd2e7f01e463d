#pragma once

#include "engine/DynamicCharacteristics.h"
#include "engine/WeatherFiles.h"
#include "engine/annual/AnnualFigures.h"
#include "engine/moisture/MoistureSummary.h"
#include "engine/variants/VariantMoisture.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quelvan {
class KslDoc;
}

// What a variant study tells of one wall: its dynamic characteristics, its week in the fine mode
// and, when asked, its periodic year.
namespace quelvan::variants {

// The fine-mode week of the project's ambiances, from the hourly series (hours 0 to 168).
struct WeekFigures {
    double tsiMax = 0.0; // °C, highest interior surface temperature
    double peakFlux = 0.0; // W/m², largest interior surface flux density in either direction
    double tsiDailyRange = 0.0; // K, highest minus lowest interior surface temperature of day 7
    double gain = 0.0; // Wh/m², heat the room gained through the interior face
    double loss = 0.0; // Wh/m², heat the room lost through it
};

// The interior surface temperature (°C) and flux density (W/m², positive from the room into the
// wall) of the week's hours, for the charts.
struct WeekSeries {
    std::vector<float> interiorSurfaceTemperature;
    std::vector<float> interiorFlux;
};

struct VariantFigures {
    DynamicCharacteristics dynamic; // for a daily period
    WeekFigures week;
    std::optional<annual::BalanceFigures> year; // with the annual balance only
    std::optional<moisture::MoistureSummary> moisture; // with the moisture check only
};

struct FigureOptions {
    bool annual = false; // also the periodic year (much longer than the week)
    bool keepSeries = false; // keep the week's series (the desktop's charts)
    WeatherSearch weather; // where weather files are looked for besides the project's folder
    std::optional<MoistureStudy> moisture; // also the moisture check of each variant
};

// The figures of one project, or the French message of what made it impossible (the wall or
// ambiance check, a weather file that does not read), and the remarks a run makes on the way
// (no previous calculation to start from, a year that did not become periodic).
struct VariantOutcome {
    std::optional<VariantFigures> figures;
    std::string error;
    std::vector<std::string> notes;
    WeekSeries series;
};

// Computes the figures of the project as stored (its surfaces, placement and chosen ambiances).
// The project's results table is used for the week and left holding it.
VariantOutcome ComputeVariantFigures(KslDoc& doc, const FigureOptions& options);

// The week's figures from hourly series of the interior surface temperature and flux density,
// hours 0 to n - 1. Between two whole hours the flux runs straight, so an hour whose flux changes
// sign splits its heat at the crossing.
WeekFigures WeekFiguresOf(std::span<const float> tsi, std::span<const float> fsi);

} // namespace quelvan::variants
