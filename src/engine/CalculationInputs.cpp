#include "engine/CalculationInputs.h"

#include "core/NFileName.h"
#include "model/CBCData.h"
#include "model/KslDoc.h"

#include <utility>

namespace quelvan {

CalculationInputs InputsFor(const KslDoc& doc, const FormValues& form, WeatherSearch weather)
{
    CalculationInputs in;
    in.surfaces = form.surfaces;
    in.azimuthIndex = form.azimuthIndex;
    in.inclinationIndex = form.inclinationIndex;
    in.initialTemperatureMode = form.initialTemperatureMode;
    in.exteriorAmbiance = doc.AmbianceNumbered(Side::Exterior, form.selectedExterior);
    in.interiorAmbiance = doc.AmbianceNumbered(Side::Interior, form.selectedInterior);
    in.weather = std::move(weather);
    if (in.weather.projectDirectory.empty() && !doc.unnamed)
        in.weather.projectDirectory = NFileName(doc.fullPath).Directory();
    for (const WeatherStation& station : doc.stations)
        in.weather.stationFiles[station.index] = station.fileName;
    return in;
}

CalculationInputs InputsFromDocument(const KslDoc& doc, WeatherSearch weather)
{
    return InputsFor(doc, doc.StoredFormValues(), std::move(weather));
}

std::vector<std::string> WeatherFilesRead(const CalculationInputs& inputs)
{
    std::vector<std::string> files;
    for (const CBCData* record : { inputs.exteriorAmbiance, inputs.interiorAmbiance }) {
        if (record == nullptr || !record->weatherFlag)
            continue;
        if (std::optional<std::string> path
            = FindWeatherFile(WeatherFileName(record->cityIndex, inputs.weather), inputs.weather))
            files.push_back(std::move(*path));
    }
    return files;
}

std::vector<std::string> ProjectFilesRead(const KslDoc& doc, const CalculationInputs& inputs)
{
    std::vector<std::string> files;
    if (!doc.unnamed)
        files.push_back(doc.fullPath);
    const auto add = [&files, &inputs](const std::string& name) {
        if (std::optional<std::string> path = FindWeatherFile(name, inputs.weather))
            files.push_back(std::move(*path));
    };
    for (const Side side : { Side::Exterior, Side::Interior }) {
        for (const CBCData& record : doc.Ambiances(side))
            if (record.weatherFlag)
                add(WeatherFileName(record.cityIndex, inputs.weather));
    }
    for (const WeatherStation& station : doc.stations)
        add(station.fileName);
    return files;
}

CalculationCheck CheckInputs(const KslDoc& doc, const CalculationInputs& inputs)
{
    return CheckCalculation(
        doc.layers, inputs.surfaces, inputs.exteriorAmbiance, inputs.interiorAmbiance);
}

} // namespace quelvan
