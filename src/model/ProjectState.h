#pragma once

#include "model/CBCData.h"
#include "model/CMaterial.h"
#include "model/FormValues.h"
#include "model/MaterialVapour.h"
#include "model/WeatherStation.h"

#include <string>
#include <vector>

namespace quelvan {

class KslDoc;

// What the user edits of a project, held as values: the references, the form's values, the
// material library, the wall's layers, both ambiance lists and the weather stations imported
// into the project (an ambiance may name one). One step of the edit history
// restores a whole state, so every kind of edit is undone the same way. Print choices, the
// results and the file name are not edits of the project and are left out.
struct ProjectState {
    // A layer names its material by its position in `materials` (-1: none).
    struct Layer {
        int material = -1;
        std::string thickness;

        friend bool operator==(const Layer&, const Layer&) = default;
    };

    std::string author;
    std::string reference;
    FormValues form;
    std::vector<CMaterial> materials;
    std::vector<Layer> layers;
    std::vector<CBCData> exteriorAmbiances;
    std::vector<CBCData> interiorAmbiances;
    std::vector<WeatherStation> stations;
    std::vector<MaterialVapour> vapour;
    std::vector<MoistureSettings> moisture;

    std::vector<CBCData>& Ambiances(Side side)
    {
        return side == Side::Exterior ? exteriorAmbiances : interiorAmbiances;
    }

    friend bool operator==(const ProjectState&, const ProjectState&) = default;
};

// One change of the project and the state it led to (a list dialog's changes, each kept until
// the dialog closes with saving).
struct EditStep {
    std::string text; // what changed, as the "Annuler" entry names it
    ProjectState state;
};

// The document's records with the values the form shows (which the document receives only when
// they are stored).
ProjectState CaptureProjectState(const KslDoc& doc, const FormValues& form);
// Rebuilds the document's records and stored form values from a state. The records are new
// objects: anything that pointed at the previous ones must be rebuilt by the caller.
void RestoreProjectState(KslDoc& doc, const ProjectState& state);

} // namespace quelvan
