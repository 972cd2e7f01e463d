#pragma once

#include "engine/CalculationMode.h"
#include "engine/WeatherFiles.h"
#include "model/CalculationCheck.h"
#include "model/FormValues.h"

#include <string>
#include <vector>

namespace quelvan {

class CBCData;
class KslDoc;

// What a preparation reads besides the wall: the surface texts and placement as the form shows
// them (they may differ from the document until the project is saved), the chosen ambiance
// records, where weather files are looked for and how the calculation advances (not part of the
// project: the command line or the application's settings choose it). The records must outlive
// the preparation only.
struct CalculationInputs {
    SurfaceTexts surfaces;
    int azimuthIndex = kDefaultAzimuthIndex;
    int inclinationIndex = kDefaultInclinationIndex;
    InitialTemperature initialTemperatureMode = InitialTemperature::Automatic;
    const CBCData* exteriorAmbiance = nullptr;
    const CBCData* interiorAmbiance = nullptr;
    WeatherSearch weather;
    CalculationMode mode = CalculationMode::Standard;
};

// The one way from a project to calculation inputs: the form's values (as the form shows them,
// or as the document stores them), the document's ambiance records they choose, and the weather
// search with the project's folder added when the project has a file.
CalculationInputs InputsFor(const KslDoc& doc, const FormValues& form, WeatherSearch weather = {});
// The inputs as the document stores them.
CalculationInputs InputsFromDocument(const KslDoc& doc, WeatherSearch weather = {});

// The weather files a preparation with these inputs reads, as the search finds them: one per
// chosen ambiance that takes its data from a city's weather (none found, none listed). Commands
// refuse to write over them.
std::vector<std::string> WeatherFilesRead(const CalculationInputs& inputs);

// Every file the project reads, which no output of the desktop may replace: its own file when
// it has one, and the weather file of every weather ambiance of both lists and of every station,
// as the search of these inputs finds them.
std::vector<std::string> ProjectFilesRead(const KslDoc& doc, const CalculationInputs& inputs);

// Whether the calculation can be made with these inputs on the document's wall (CheckCalculation):
// what every preparation checks first, and what `quelvan-cli check` reports.
CalculationCheck CheckInputs(const KslDoc& doc, const CalculationInputs& inputs);

} // namespace quelvan
