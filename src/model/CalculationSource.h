#pragma once

#include "model/CBCData.h"
#include "model/FormValues.h"
#include "model/WeatherStation.h"

#include <optional>
#include <string>
#include <vector>

namespace quelvan {

class KslDoc;

// What a calculation of the week read from the project: placement, surfaces and initial
// temperature, the thermal properties and thickness of each layer, the two chosen ambiances and
// the weather file of a station a chosen ambiance names. Results belong to the calculation they
// came from: once the project no longer gives the same source, they are another wall's results.
// Names, colours, references and print choices are read by no calculation and are left out.
struct CalculationSource {
    struct Layer {
        std::string conductivity;
        std::string density;
        std::string capacity;
        std::string thickness;

        friend bool operator==(const Layer&, const Layer&) = default;
    };

    FormValues form; // the selections are left at -1: the records below say what was chosen
    std::vector<Layer> layers;
    std::optional<CBCData> exterior; // profiles and weather fields only, no name or colour
    std::optional<CBCData> interior;
    std::vector<std::string> weatherFiles; // of the stations the chosen ambiances name

    friend bool operator==(const CalculationSource&, const CalculationSource&) = default;
};

// The source of a calculation of the document's wall with these placement and surface values
// and these chosen ambiances (null: none chosen).
CalculationSource SourceOfCalculation(
    const KslDoc& doc, const FormValues& form, const CBCData* exterior, const CBCData* interior);
// The source a calculation of the project as the document stores it would read.
CalculationSource SourceOfStoredProject(const KslDoc& doc);

// Whether the document's results table holds a calculation of the project as it is stored now:
// at least one hour computed past the initial state, from the same source. A save writes the
// results file only then; otherwise it follows the rule for a project without results.
bool HoldsCurrentResults(const KslDoc& doc);

} // namespace quelvan
