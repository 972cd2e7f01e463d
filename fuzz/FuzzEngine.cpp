// A project read from arbitrary bytes and, when it reads and its wall passes the calculation's
// check, prepared and run for a few hours by the engine (one to four, in the standard or the fine
// mode, chosen from the input's size so that a saved input always replays the same run). Every
// value the run shows must be finite and of a size no wall can exceed: the bounds below are far
// beyond anything physical and only catch overflow, NaN and values that escaped every check.
#include "FuzzTargets.h"

#include "core/MessageSink.h"
#include "engine/CalculationInputs.h"
#include "engine/EngineState.h"
#include "model/KslDoc.h"
#include "model/WallCheck.h"
#include "persistence/ProjectFile.h"

#include <cmath>

namespace quelvan::fuzz {

namespace {

constexpr float kTemperatureBound = 1.0e4f; // °C
constexpr float kFluxBound = 1.0e6f; // W/m²
constexpr float kEnergyBound = 1.0e12f; // J/m², a week of the largest flux
constexpr int kMaxLayers = 7; // the layers the interface lets a wall have
constexpr int kMaxHours = 4;

void RequireBounded(float value, float bound, const char* what)
{
    if (!std::isfinite(value) || std::fabs(value) > bound)
        ReportBrokenInvariant(what);
}

void RequireBounded(const std::vector<float>& values, float bound, const char* what)
{
    for (const float value : values)
        RequireBounded(value, bound, what);
}

void CheckRun(const RunView& run)
{
    for (int id = 0; id < kSeriesCount; ++id) {
        const bool temperature = id <= static_cast<int>(SeriesId::InteriorTemperature);
        RequireBounded(run.series[static_cast<std::size_t>(id)],
            temperature ? kTemperatureBound : kFluxBound, "an hourly series value out of bounds");
    }
    RequireBounded(run.nodes.T, kTemperatureBound, "a node temperature out of bounds");
    RequireBounded(run.nodes.Tmin, kTemperatureBound, "a daily minimum out of bounds");
    RequireBounded(run.nodes.Tmax, kTemperatureBound, "a daily maximum out of bounds");
    RequireBounded(run.nodes.Phi, kFluxBound, "a node flux density out of bounds");
    const CurrentValues& c = run.current;
    for (const float t : { c.exteriorTemperature, c.interiorTemperature,
             c.exteriorSurfaceTemperature, c.interiorSurfaceTemperature })
        RequireBounded(t, kTemperatureBound, "a boundary temperature out of bounds");
    for (const float q :
        { c.exteriorFlux, c.interiorFlux, c.exteriorTotalFlux, c.interiorTotalFlux })
        RequireBounded(q, kFluxBound, "a boundary flux density out of bounds");
    RequireBounded(run.exteriorEnergy, kEnergyBound, "the exterior energy out of bounds");
    RequireBounded(run.interiorEnergy, kEnergyBound, "the interior energy out of bounds");
}

} // namespace

int FuzzEngine(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    KslDoc doc;
    if (ParseProjectLines(doc, DecodedLines(bytes)) != Failure::None)
        return 0;
    if (doc.layers.Count() > kMaxLayers || !CheckWall(doc.layers, doc.surfaces).Passed())
        return 0;

    NullMessageSink quiet;
    EngineState engine(quiet);
    CalculationInputs inputs = InputsFromDocument(doc);
    inputs.mode = (size / kMaxHours) % 2 == 0 ? CalculationMode::Standard : CalculationMode::Fine;
    // A project asking for the previous calculation starts, like a batch run, from the steady
    // state.
    if (inputs.initialTemperatureMode == InitialTemperature::PreviousCalculation)
        inputs.initialTemperatureMode = InitialTemperature::Automatic;
    if (engine.PrepareCalculation(doc, inputs).IsError())
        return 0;
    CheckRun(engine.View());
    const int hours = 1 + static_cast<int>(size % kMaxHours);
    for (int hour = 0; hour < hours && engine.CanAdvance(); ++hour) {
        engine.AdvanceHour(doc, true, true);
        CheckRun(engine.View());
    }
    return 0;
}

} // namespace quelvan::fuzz
