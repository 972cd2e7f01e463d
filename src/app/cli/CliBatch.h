#pragma once

#include "engine/EngineState.h"

#include <optional>
#include <string>
#include <vector>

namespace quelvan {
class KslDoc;
} // namespace quelvan

// What the batch commands share: reading a project, checking it and running its week without
// pacing.
namespace quelvan::cli {

// Reads a project for a batch command and gives it its path; prints "Erreur en lecture" with
// the line, the field and the reason when the file does not read.
bool ReadProjectForBatch(KslDoc& doc, const std::string& path);

// The wall check on the project as stored (what the wall's dynamic characteristics need); prints
// its message and gives false when the wall cannot be computed.
bool CheckWallForBatch(const KslDoc& doc);

// The check of the calculation (wall, chosen ambiances) on the project as stored, as run makes
// it; prints its message and gives false when the project cannot be computed.
bool CheckCalculationForBatch(const KslDoc& doc);

// The files a run of the project reads, which its outputs must spare (OutputsAreSafe): the
// project at `path`, read into doc, and the weather files, looked for as RunWeek looks for them.
std::vector<std::string> FilesReadByRun(
    const std::string& path, const KslDoc& doc, const std::string& weatherDirectory);

// Prepares the calculation with the project's selected ambiances and runs the whole week
// without pacing; weather files are looked for in weatherDirectory first, then as usual. A batch
// run has no previous calculation: a project asking for one starts from the steady state, with
// a note. Prints the engine's message and gives nothing when the preparation fails; otherwise
// gives the inputs used. `mode` is the calculation mode.
std::optional<CalculationInputs> RunWeek(KslDoc& doc, EngineState& engine,
    const std::string& weatherDirectory, CalculationMode mode = CalculationMode::Standard);

// The mode of a run chosen by --fine.
inline CalculationMode ModeOf(bool fine)
{
    return fine ? CalculationMode::Fine : CalculationMode::Standard;
}

} // namespace quelvan::cli
