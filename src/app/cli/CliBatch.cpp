#include "app/cli/CliBatch.h"

#include "app/cli/CliPrint.h"
#include "core/Messages.h"
#include "engine/SurfacePrecision.h"
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

namespace {

WeatherSearch SearchFrom(const std::string& weatherDirectory)
{
    WeatherSearch search;
    search.explicitDirectory = weatherDirectory;
    return search;
}

} // namespace

std::vector<std::string> FilesReadByRun(
    const std::string& path, const KslDoc& doc, const std::string& weatherDirectory)
{
    std::vector<std::string> files
        = WeatherFilesRead(InputsFromDocument(doc, SearchFrom(weatherDirectory)));
    files.insert(files.begin(), path);
    return files;
}

std::optional<CalculationInputs> RunWeek(
    KslDoc& doc, EngineState& engine, const std::string& weatherDirectory, CalculationMode mode)
{
    CalculationInputs inputs = InputsFromDocument(doc, SearchFrom(weatherDirectory));
    inputs.mode = mode;
    if (inputs.initialTemperatureMode == InitialTemperature::PreviousCalculation) {
        PrintError(msg::kNoPreviousCalculation);
        inputs.initialTemperatureMode = InitialTemperature::Automatic;
    }
    if (engine.PrepareCalculation(doc, inputs).IsError()) {
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
