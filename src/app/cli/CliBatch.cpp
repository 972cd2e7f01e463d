#include "app/cli/CliBatch.h"

#include "app/cli/CliPrint.h"
#include "core/Messages.h"
#include "engine/WeatherFiles.h"
#include "model/KslDoc.h"
#include "model/WallCheck.h"
#include "persistence/ProjectFile.h"

namespace quelvan::cli {

bool ReadProjectForBatch(KslDoc& doc, const std::string& path)
{
    ReadError error;
    if (ReadProjectFile(doc, path, &error) != Failure::None) {
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
    if (engine.PrepareCalculation(doc, inputs).IsError()) {
        PrintError(engine.LastErrorMessage());
        return std::nullopt;
    }
    for (int step = 0; step < kRunHours && engine.CanAdvance(); ++step)
        engine.AdvanceHour(doc, true, true);
    return inputs;
}

} // namespace quelvan::cli
