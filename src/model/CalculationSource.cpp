#include "model/CalculationSource.h"

#include "model/KslDoc.h"

namespace quelvan {

namespace {
// The fields of an ambiance that a calculation reads: the profiles and the weather choice.
CBCData ProfilesOf(const CBCData& ambiance)
{
    CBCData read;
    read.temperature = ambiance.temperature;
    read.flux = ambiance.flux;
    read.cityIndex = ambiance.cityIndex;
    read.firstDay = ambiance.firstDay;
    read.weatherPeriod = ambiance.weatherPeriod;
    read.weatherFlag = ambiance.weatherFlag;
    read.side = ambiance.side;
    return read;
}

void AddStationFile(const KslDoc& doc, const CBCData* ambiance, std::vector<std::string>& files)
{
    if (ambiance == nullptr || !ambiance->weatherFlag)
        return;
    if (const WeatherStation* station = doc.StationNumbered(ambiance->cityIndex))
        files.push_back(station->fileName);
}
} // namespace

CalculationSource SourceOfCalculation(
    const KslDoc& doc, const FormValues& form, const CBCData* exterior, const CBCData* interior)
{
    CalculationSource source;
    source.form = form;
    source.form.selectedExterior = -1;
    source.form.selectedInterior = -1;
    for (int i = 0; i < doc.layers.Count(); ++i) {
        const NMaterialLayer& layer = doc.layers.At(i);
        CalculationSource::Layer read { {}, {}, {}, layer.Thickness() };
        if (const CMaterial* material = layer.Material()) {
            read.conductivity = material->Conductivity();
            read.density = material->Density();
            read.capacity = material->Capacity();
        }
        source.layers.push_back(std::move(read));
    }
    if (exterior != nullptr)
        source.exterior = ProfilesOf(*exterior);
    if (interior != nullptr)
        source.interior = ProfilesOf(*interior);
    AddStationFile(doc, exterior, source.weatherFiles);
    AddStationFile(doc, interior, source.weatherFiles);
    return source;
}

CalculationSource SourceOfStoredProject(const KslDoc& doc)
{
    return SourceOfCalculation(doc, doc.StoredFormValues(), doc.SelectedAmbiance(Side::Exterior),
        doc.SelectedAmbiance(Side::Interior));
}

bool HoldsCurrentResults(const KslDoc& doc)
{
    // Row 1 is the initial state; a computed hour is row 2 or beyond.
    return doc.nextResultsRow > 2 && doc.resultsSource.has_value()
        && *doc.resultsSource == SourceOfStoredProject(doc);
}

} // namespace quelvan
