#include "app/cli/CliSupport.h"

#include "core/ControlText.h"
#include "core/Messages.h"
#include "engine/SurfacePrecision.h"
#include "engine/WeatherFiles.h"
#include "model/KslDoc.h"
#include "model/WallCheck.h"
#include "persistence/ProjectFile.h"

#include <cstdio>

namespace quelvan::cli {

void PrintLine(std::string_view text)
{
    const std::string shown = ShowControls(text);
    std::fwrite(shown.data(), 1, shown.size(), stdout);
    std::fputc('\n', stdout);
}

void PrintError(std::string_view text)
{
    const std::string shown = ShowControls(text);
    std::fwrite(shown.data(), 1, shown.size(), stderr);
    std::fputc('\n', stderr);
}

void NotesToStandardError::Message(std::string_view text)
{
    if (text.empty() || text.front() == '\b')
        return;
    if (shown_.insert(std::string(text)).second)
        PrintError(text);
}

bool ReadProjectForBatch(KslDoc& doc, const std::string& path)
{
    ReadError error;
    if (ReadProjectFile(doc, path, &error) != kReadOk) {
        PrintError(ReadErrorMessage(error));
        return false;
    }
    doc.SetPath(path);
    return true;
}

bool CheckWallForBatch(const KslDoc& doc)
{
    const WallCheck check = CheckWall(doc.layers, doc.surfaces);
    if (!check.Passed())
        PrintError(check.Message());
    return check.Passed();
}

bool CheckCalculationForBatch(const KslDoc& doc)
{
    const CalculationCheck check = CheckInputs(doc, InputsFromDocument(doc));
    if (!check.Passed())
        PrintError(check.message);
    return check.Passed();
}

std::optional<CalculationInputs> RunWeek(
    KslDoc& doc, EngineState& engine, const std::string& weatherDirectory, CalculationMode mode)
{
    WeatherSearch search;
    search.explicitDirectory = weatherDirectory;
    CalculationInputs inputs = InputsFromDocument(doc, search);
    inputs.mode = mode;
    if (inputs.initialTemperatureMode == InitialTemperature::PreviousCalculation) {
        PrintError(msg::kNoPreviousCalculation);
        inputs.initialTemperatureMode = InitialTemperature::Automatic;
    }
    if (engine.PrepareCalculation(doc, inputs) != kEngineOk) {
        PrintError(engine.LastErrorMessage());
        return std::nullopt;
    }
    for (const std::string& warning : SurfacePrecisionWarnings(inputs))
        PrintError(warning);
    for (int step = 0; step < kRunHours && engine.CanAdvance(); ++step)
        engine.AdvanceHour(doc, true, true);
    return inputs;
}

} // namespace quelvan::cli
