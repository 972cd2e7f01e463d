#include "validation/ValidationSuite.h"

#include "core/NumberText.h"
#include "core/Units.h"
#include "engine/DynamicCharacteristics.h"
#include "engine/EngineState.h"
#include "engine/FineMesh.h"
#include "model/KslDoc.h"
#include "model/SurfaceTexts.h"
#include "validation/ReferenceSolutions.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <functional>
#include <limits>

namespace quelvan::validation {

namespace {

constexpr double kNotComputed = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kHour = units::kSecondsPerHour;
// The surface resistances of a new project, as its faces hold them.
double NewProjectResistance(const std::string& text)
{
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}
const double kRse = NewProjectResistance(SurfaceTexts {}.resistanceExterior);
const double kRsi = NewProjectResistance(SurfaceTexts {}.resistanceInterior);

// A layer of a case: a material of the built-in library with a thickness, and the properties
// the library gives that material, which the references use.
struct CaseLayer {
    const char* material;
    double millimetres;
    double conductivity;
    double density;
    double heatCapacity;
};
using Wall = std::vector<CaseLayer>;

constexpr CaseLayer kConcrete { "Béton lourd", 200, 2, 2450, 1000 };
constexpr CaseLayer kPolystyrene { "Polystyrène expansé", 100, 0.037, 25, 1450 };
constexpr CaseLayer kGlassWool { "Laine de verre", 50, 0.041, 15, 1030 };
constexpr CaseLayer kPlaster { "Plâtre", 10, 0.43, 1050, 1000 };
// 3 m: after 72 h the far face is more than four diffusion lengths away.
constexpr CaseLayer kThickConcrete { "Béton lourd", 3000, 2, 2450, 1000 };

const Wall kPeriodicWalls[]
    = { { kConcrete }, { kPolystyrene, kConcrete }, { kConcrete, kPolystyrene } };
const Wall kDefaultWall { kConcrete, kGlassWool, kPlaster };

constexpr ValidationCase kCases[] = {
    { "periodic_concrete", "1. Réponse périodique, 200 mm de béton lourd", ValidationKind::Periodic,
        0 },
    { "periodic_insulation_outside",
        "1. Réponse périodique, 100 mm de polystyrène expansé puis 200 mm de béton lourd",
        ValidationKind::Periodic, 1 },
    { "periodic_insulation_inside",
        "1. Réponse périodique, 200 mm de béton lourd puis 100 mm de polystyrène expansé",
        ValidationKind::Periodic, 2 },
    { "semi_infinite", "2. Massif semi-infini (3 m de béton lourd), surface portée de 5 à 25 °C",
        ValidationKind::SemiInfinite, 0 },
    { "steady_state", "3. Régime permanent de la paroi d'origine, -5 °C dehors, 20 °C dedans",
        ValidationKind::SteadyState, 0 },
    { "half_period_heat",
        "4. Chaleur entrée dans la pièce le dernier jour, paroi d'origine, 20 ± 15 °C dehors",
        ValidationKind::HalfPeriodHeat, 0 },
    { "week_balance", "5. Bilan d'une semaine de météo (Mâcon, soleil), paroi d'origine",
        ValidationKind::WeekBalance, 0 },
    { "bare_surfaces",
        "6. Surfaces sans résistance superficielle, 200 mm de béton lourd, créneau de 5/25 °C "
        "dehors",
        ValidationKind::BareSurfaces, 0 },
};

std::vector<SiLayer> LayersOf(const Wall& wall)
{
    std::vector<SiLayer> layers;
    for (const CaseLayer& l : wall)
        layers.push_back({ l.millimetres / 1000.0, l.conductivity, l.density, l.heatCapacity });
    return layers;
}

KslDoc Project(const Wall& wall)
{
    KslDoc doc;
    doc.layers.Clear();
    for (const CaseLayer& l : wall)
        doc.AddLayer(doc.FindMaterialByName(l.material), FormatDouble("%g", l.millimetres));
    return doc;
}

// Adds an ambiance without flux on one side and chooses it.
void ChooseAmbiance(KslDoc& doc, Side side, ProfileType type, Period period,
    const std::array<std::string, 4>& temperature)
{
    NList<CBCData>& list = doc.Ambiances(side);
    const CBCData& record
        = doc.AddAmbiance(kAmbianceIdentifierBase + list.Count(), side, "Validation", type,
            ProfileType::Null, period, Period::Day, temperature, { "0", "0", "0", "0" });
    (side == Side::Exterior ? doc.selectedExterior : doc.selectedInterior) = record.Index();
}

using HourlyView = std::function<void(const RunView&)>;

// A week of the project in one mode, automatic start; `hourly` sees the calculation after every
// recorded hour, hour 0 included. Gives the engine's message when the preparation fails.
std::string RunWeek(
    KslDoc& doc, CalculationMode mode, const WeatherSearch& weather, const HourlyView& hourly)
{
    EngineState engine;
    CalculationInputs inputs = InputsFromDocument(doc, weather);
    inputs.mode = mode;
    if (engine.PrepareCalculation(doc, inputs).IsError())
        return engine.LastErrorMessage();
    hourly(engine.View());
    while (engine.CanAdvance()) {
        engine.AdvanceHour(doc, true, true);
        hourly(engine.View());
    }
    return {};
}

// Fills the rows' standard and fine values with what `measure` finds in each mode's week.
using Measure = std::function<std::string(CalculationMode, std::vector<double>& values)>;
ValidationResult BothModes(std::vector<ValidationRow> rows, const Measure& measure)
{
    for (const CalculationMode mode : { CalculationMode::Standard, CalculationMode::Fine }) {
        std::vector<double> values(rows.size(), kNotComputed);
        const std::string error = measure(mode, values);
        if (!error.empty())
            return { {}, error };
        for (std::size_t i = 0; i < rows.size(); ++i)
            (mode == CalculationMode::Fine ? rows[i].fine : rows[i].standard) = values[i];
    }
    return { rows, {} };
}

// The engine's temperature at a depth: its profile is linear between nodes.
double ProfileAt(const RunView& run, double depth)
{
    const std::vector<double> x(run.nodes.x.begin(), run.nodes.x.end());
    const std::vector<double> t(run.nodes.T.begin(), run.nodes.T.end());
    double value = kNotComputed;
    InterpolateProfile(x, t, std::span<const double>(&depth, 1), std::span<double>(&value, 1));
    return value;
}

// The last 24 hourly values of a series, times a sign.
std::vector<double> LastDay(const RunView& run, SeriesId id, double sign)
{
    const std::vector<float>& s = run.Series(id);
    std::vector<double> day;
    for (std::size_t h = s.size() - std::min<std::size_t>(s.size(), 24); h < s.size(); ++h)
        day.push_back(sign * s[h]);
    return day;
}

// Of rows measuring the same thing at several points, the one where the fine mode is furthest.
std::vector<ValidationRow> Worst(const std::vector<ValidationRow>& rows, std::size_t groups)
{
    const std::size_t perGroup = rows.size() / groups;
    std::vector<ValidationRow> worst;
    for (std::size_t g = 0; g < groups; ++g) {
        const ValidationRow* pick = &rows[g * perGroup];
        for (std::size_t i = g * perGroup; i < (g + 1) * perGroup; ++i)
            if (!(std::fabs(rows[i].Deviation(rows[i].fine))
                    <= std::fabs(pick->Deviation(pick->fine))))
                pick = &rows[i];
        worst.push_back(*pick);
    }
    return worst;
}

// 24 h sinusoid of 10 K amplitude outside, constant inside: |Y12| and the time shift of the
// interior surface flux over the last day, against the complex transfer matrices.
ValidationResult Periodic(const Wall& wall, const WeatherSearch& weather)
{
    const auto exact = ComputeDynamicCharacteristics({ LayersOf(wall), kRse, kRsi });
    KslDoc doc = Project(wall);
    ChooseAmbiance(
        doc, Side::Exterior, ProfileType::Sinusoid, Period::Day, { "10", "30", "0", "0" });
    ChooseAmbiance(
        doc, Side::Interior, ProfileType::Constant, Period::Day, { "20", "20", "0", "0" });
    return BothModes({ { "|Y12|", "W/(m².K)", exact->y12, 0, 0, true, 1.0 },
                         { "déphasage", "h", exact->shiftHours, 0, 0, false, 0.1 } },
        [&](CalculationMode mode, std::vector<double>& values) {
            return RunWeek(doc, mode, weather, [&](const RunView& run) {
                if (run.hours != kRecordedHours)
                    return;
                const auto drive
                    = FundamentalHarmonic(LastDay(run, SeriesId::ExteriorTemperature, 1));
                const auto intoRoom
                    = FundamentalHarmonic(LastDay(run, SeriesId::InteriorSurfaceFlux, -1));
                values = { std::abs(intoRoom) / std::abs(drive), LagHours(drive, intoRoom, 24) };
            });
        });
}

// The face of a thick layer taken from 5 to 25 °C (a square wave through a zero surface
// resistance), the far side at 5 °C: temperatures at a few depths 6, 24 and 72 h after the
// rise began against the erfc solution of the semi-infinite body. The wave is 5 °C at hour 0
// and 25 °C from hour 1: the fine mode reads hour 1 at 25 °C and joins hours 0 and 1 by a
// straight line; the standard method's evaluation gives hour 1 the value of hour 0, so its air
// rises from hour 1 to hour 2. Each mode is measured from its own rise.
ValidationResult SemiInfinite(const WeatherSearch& weather)
{
    const SiLayer body = LayersOf({ kThickConcrete }).front();
    KslDoc doc = Project({ kThickConcrete });
    doc.surfaces.resistanceExterior = "0";
    ChooseAmbiance(
        doc, Side::Exterior, ProfileType::Square, Period::Week, { "5", "25", "1", "168" });
    ChooseAmbiance(doc, Side::Interior, ProfileType::Constant, Period::Day, { "5", "5", "0", "0" });
    const int hours[] = { 6, 24, 72 };
    const double depths[] = { 0.05, 0.1, 0.2, 0.4 };
    std::vector<ValidationRow> rows;
    for (const int hour : hours)
        for (const double depth : depths)
            rows.push_back(
                { "T à " + FormatDouble("%.2f", depth) + " m après " + FormatInt("%d", hour) + " h",
                    "°C",
                    SemiInfiniteRampTemperature(depth, hour * kHour, kHour, body, kInfinity, 5, 25),
                    0, 0, false, 0.05 });
    ValidationResult result
        = BothModes(rows, [&](CalculationMode mode, std::vector<double>& values) {
              std::size_t rise = 0; // the last whole hour at 5 °C, once the air rose
              return RunWeek(doc, mode, weather, [&](const RunView& run) {
                  const auto& air = run.Series(SeriesId::ExteriorTemperature);
                  if (rise == 0 && air.size() >= 2 && air[air.size() - 2] == 5 && air.back() == 25)
                      rise = air.size() - 2 + 1; // counted from 1, so that 0 means none yet
                  if (rise == 0)
                      return; // not the rise the references assume: nothing is measured
                  for (std::size_t t = 0; t < std::size(hours); ++t)
                      for (std::size_t d = 0; d < std::size(depths); ++d)
                          if (run.hours == static_cast<int>(rise) + hours[t])
                              values[t * std::size(depths) + d] = ProfileAt(run, depths[d]);
              });
          });
    if (result.error.empty())
        result.rows = Worst(result.rows, std::size(hours));
    return result;
}

// Constant airs: the faces and the interfaces at hour 0 and after the week, against series
// resistances.
ValidationResult SteadyState(const WeatherSearch& weather)
{
    const std::vector<SiLayer> layers = LayersOf(kDefaultWall);
    const std::vector<double> exact = SeriesResistanceTemperatures({ layers, kRse, kRsi }, -5, 20);
    std::vector<double> depths { 0.0 };
    for (const SiLayer& l : layers)
        depths.push_back(depths.back() + l.thickness);
    KslDoc doc = Project(kDefaultWall);
    ChooseAmbiance(
        doc, Side::Exterior, ProfileType::Constant, Period::Day, { "-5", "-5", "0", "0" });
    ChooseAmbiance(
        doc, Side::Interior, ProfileType::Constant, Period::Day, { "20", "20", "0", "0" });
    const int hours[] = { 0, 168 };
    std::vector<ValidationRow> rows;
    for (const int hour : hours)
        for (std::size_t k = 0; k < depths.size(); ++k)
            rows.push_back(
                { "T à " + FormatDouble("%.2f", depths[k]) + " m, heure " + FormatInt("%d", hour),
                    "°C", exact[k], 0, 0, false, 0.001 });
    ValidationResult result
        = BothModes(rows, [&](CalculationMode mode, std::vector<double>& values) {
              return RunWeek(doc, mode, weather, [&](const RunView& run) {
                  for (std::size_t h = 0; h < std::size(hours); ++h)
                      for (std::size_t k = 0; k < depths.size(); ++k)
                          if (run.hours == hours[h] + 1)
                              values[h * depths.size() + k] = ProfileAt(run, depths[k]);
              });
          });
    if (result.error.empty())
        result.rows = Worst(result.rows, std::size(hours));
    return result;
}

// 20 ± 15 °C outside, 20 °C inside: the heat that enters the room while the interior surface
// flux enters it, over the last day, is the swing of the cumulated interior heat (twice its
// daily harmonic), 15 |Y12| P / π for the exact wave.
ValidationResult HalfPeriod(const WeatherSearch& weather)
{
    const auto exact = ComputeDynamicCharacteristics({ LayersOf(kDefaultWall), kRse, kRsi });
    KslDoc doc = Project(kDefaultWall);
    ChooseAmbiance(
        doc, Side::Exterior, ProfileType::Sinusoid, Period::Day, { "5", "35", "0", "0" });
    ChooseAmbiance(
        doc, Side::Interior, ProfileType::Constant, Period::Day, { "20", "20", "0", "0" });
    return BothModes({ { "chaleur entrée dans la pièce", "kJ/m²",
                         HalfPeriodHeat(15 * exact->y12, 24) / 1000, 0, 0, true, 1.0 } },
        [&](CalculationMode mode, std::vector<double>& values) {
            std::vector<double> lastDay;
            std::string error = RunWeek(doc, mode, weather, [&](const RunView& run) {
                if (run.hours > kRecordedHours - 24)
                    lastDay.push_back(run.interiorEnergy);
            });
            values[0] = 2 * std::abs(FundamentalHarmonic(lastDay)) / 1000;
            return error;
        });
}

// The Mâcon weather outside (sun on a south wall), 20 °C and a step of absorbed flux inside:
// the heat that entered through both faces over the week (the convective energies of the
// results, the absorbed fluxes integrated between the hourly values) against the change of the
// heat held by the wall, computed from its node temperatures and the layers' ρc.
ValidationResult WeekBalance(const WeatherSearch& weather)
{
    KslDoc doc = Project(kDefaultWall);
    doc.selectedExterior = 11; // "Météo de la ville de Mâcon"
    doc.selectedInterior = 7; // "Température de 20 °C avec saut de flux"
    const std::vector<SiLayer> layers = LayersOf(kDefaultWall);
    return BothModes({ { "(entrée - stockée) / stockée", "%", 0, 0, 0, false, 0.1 } },
        [&](CalculationMode mode, std::vector<double>& values) {
            double heldAtStart = 0.0;
            return RunWeek(doc, mode, weather, [&](const RunView& run) {
                const double held = HeldHeat(layers, run.nodes.x, run.nodes.T);
                if (run.hours == 1)
                    heldAtStart = held;
                if (run.hours != kRecordedHours)
                    return;
                double absorbed = 0.0;
                const auto& fe = run.Series(SeriesId::ExteriorFlux);
                const auto& fi = run.Series(SeriesId::InteriorFlux);
                for (std::size_t h = 1; h < fe.size(); ++h)
                    absorbed += (run.surfaces.absorptionExterior * (fe[h - 1] + fe[h])
                                    + run.surfaces.absorptionInterior * (fi[h - 1] + fi[h]))
                        * kHour / 2;
                const double entered
                    = static_cast<double>(run.interiorEnergy) - run.exteriorEnergy + absorbed;
                values[0] = (entered - (held - heldAtStart)) / std::fabs(held - heldAtStart) * 100;
            });
        });
}

// Both surface resistances 0: the faces of 200 mm of concrete follow the airs, 5 °C outside
// with 25 °C from 8 h to 18 h every day, 20 °C inside. Every hour's surface fluxes against the
// closed form of the slab between imposed face temperatures, fed with the profile's value of
// each hour joined by straight lines as the fine mode reads them; the row shown for each face
// is the hour where the fine mode is furthest, within 0.1 W/m² or 1 % of the flux's range.
ValidationResult BareSurfaces(const WeatherSearch& weather)
{
    const SiLayer slab = LayersOf({ kConcrete }).front();
    KslDoc doc = Project({ kConcrete });
    doc.surfaces.resistanceExterior = "0";
    doc.surfaces.resistanceInterior = "0";
    ChooseAmbiance(doc, Side::Exterior, ProfileType::Square, Period::Day, { "5", "25", "8", "18" });
    ChooseAmbiance(
        doc, Side::Interior, ProfileType::Constant, Period::Day, { "20", "20", "0", "0" });
    std::vector<double> exteriorAir, interiorAir;
    for (int h = 0; h < kRecordedHours; ++h) {
        exteriorAir.push_back(h % 24 >= 8 && h % 24 < 18 ? 25.0 : 5.0);
        interiorAir.push_back(20.0);
    }
    const FaceFluxes exact = ImposedFacesSlabFluxes(slab, exteriorAir, interiorAir);
    const std::pair<const char*, const std::vector<double>*> faces[]
        = { { "flux de surface extérieur", &exact.exterior },
              { "flux de surface intérieur", &exact.interior } };
    std::vector<ValidationRow> rows;
    for (const auto& [name, flux] : faces) {
        const auto [low, high] = std::minmax_element(flux->begin(), flux->end());
        const double tolerance = std::max(0.1, 0.01 * (*high - *low));
        for (int h = 0; h < kRecordedHours; ++h)
            rows.push_back({ std::string(name) + " à " + FormatInt("%d", h) + " h", "W/m²",
                (*flux)[static_cast<std::size_t>(h)], 0, 0, false, tolerance });
    }
    ValidationResult result
        = BothModes(rows, [&](CalculationMode mode, std::vector<double>& values) {
              return RunWeek(doc, mode, weather, [&](const RunView& run) {
                  if (run.hours != kRecordedHours)
                      return;
                  const auto& se = run.Series(SeriesId::ExteriorSurfaceFlux);
                  const auto& si = run.Series(SeriesId::InteriorSurfaceFlux);
                  for (std::size_t h = 0; h < static_cast<std::size_t>(kRecordedHours); ++h) {
                      values[h] = se[h];
                      values[kRecordedHours + h] = si[h];
                  }
              });
          });
    if (result.error.empty())
        result.rows = Worst(result.rows, std::size(faces));
    return result;
}

} // namespace

double ValidationRow::Deviation(double value) const
{
    return relative ? (value - reference) / std::fabs(reference) * 100 : value - reference;
}

bool ValidationRow::Passed() const
{
    return std::fabs(Deviation(fine)) <= tolerance;
}

std::span<const ValidationCase> ValidationCases()
{
    return kCases;
}

ValidationResult RunValidationCase(const ValidationCase& which, const WeatherSearch& weather)
{
    switch (which.kind) {
    case ValidationKind::Periodic:
        return Periodic(kPeriodicWalls[which.wall], weather);
    case ValidationKind::SemiInfinite:
        return SemiInfinite(weather);
    case ValidationKind::SteadyState:
        return SteadyState(weather);
    case ValidationKind::HalfPeriodHeat:
        return HalfPeriod(weather);
    case ValidationKind::WeekBalance:
        return WeekBalance(weather);
    case ValidationKind::BareSurfaces:
        return BareSurfaces(weather);
    }
    return {};
}

} // namespace quelvan::validation
