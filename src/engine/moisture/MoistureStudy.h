#pragma once

// The whole moisture check of a project, as the command line and the desktop both run it: the
// wall with its vapour resistances, the interior (the project's setting or an override), the
// exterior climate (a monthly climate file, else the exterior ambiance's weather file), the
// year of the monthly method, the mould factor and, with a weather file, the hours of the inner
// surface above 80 % from the annual balance.
#include "engine/CalculationInputs.h"
#include "engine/moisture/MoistureInputs.h"
#include "engine/moisture/MoistureText.h"
#include "engine/moisture/MonthlyClimate.h"

#include <functional>
#include <optional>
#include <string>

namespace quelvan {
class KslDoc;
}

namespace quelvan::moisture {

// What the caller sets beyond the project: an interior humidity (at most one of the three), an
// interior temperature, a monthly climate file instead of the weather file.
struct StudyRequest {
    InteriorChoice interior;
    std::string climateFile;
    bool fine = false;
};

// Why a study could not be made: the kinds a window words for itself; the message says the rest.
enum class StudyFault {
    None,
    Wall, // the wall or a material's vapour data
    InteriorTemperature, // the interior ambiance gives no mean without a calculation
    ExteriorNotWeather, // no climate file and the exterior ambiance is not a weather one
    Climate, // the climate file or the weather file does not read
    Stopped, // the caller asked to stop
    Annual, // the annual balance was refused
};

// Where the exterior climate came from.
struct ClimateSource {
    bool weatherFile = false; // else a monthly climate file
    std::string path;
};

struct Study {
    MoistureWall wall;
    InteriorModel interior;
    YearClimate climate {};
    ClimateSource source;
    CondensationResult condensation;
    MouldResult mould;
    std::optional<SurfaceHumidityHours> surface;
};

struct StudyOutcome {
    std::optional<Study> study;
    StudyFault fault = StudyFault::None;
    std::string message; // French, when there is no study
};

// Runs the study on the document with the inputs' ambiances and weather search. keepGoing is
// asked during the annual balance (the long part); returning false stops the study.
StudyOutcome RunStudy(const KslDoc& doc, const CalculationInputs& inputs,
    const StudyRequest& request, const std::function<bool()>& keepGoing = {});

// "Fichier météo : lyon.met (moyennes mensuelles de l'année horaire)" or "Climat mensuel :
// mois.csv", the file's name without its folder.
std::string ClimateSourceText(const ClimateSource& source);

} // namespace quelvan::moisture
