#pragma once

// Water-vapour diffusion data of the project: the resistance factor μ (dry cup) or the
// equivalent air layer thickness s_d that the user gave a material, and the interior humidity
// chosen for the moisture check. A project that sets none keeps the file it always had: these
// records live in optional sections of the project file.
#include "core/NList.h"

#include <optional>
#include <string>
#include <string_view>

namespace quelvan {

class CMaterial;
class KslDoc;

// What the user gave one material of the library (by library index): μ or s_d in metres, each
// kept as typed; an empty text gives nothing. s_d, when given, wins over μ (a membrane is sold
// by its s_d, whatever its thickness).
struct MaterialVapour {
    int index = 0;
    std::string mu;
    std::string sd;

    int Index() const { return index; }
    friend bool operator==(const MaterialVapour&, const MaterialVapour&) = default;
};

// How the interior humidity of the moisture check is given.
enum class InteriorHumidity {
    RelativeHumidity = 0, // a fixed relative humidity in %
    HumidityClass = 1, // one of the five humidity classes (1 to 5)
    VapourExcess = 2, // a constant vapour excess W/n in g/m³
};

// The interior of the moisture check: its humidity and its temperature (empty: the mean of the
// interior ambiance).
struct MoistureSettings {
    InteriorHumidity mode = InteriorHumidity::RelativeHumidity;
    std::string value = "50";
    std::string interiorTemperature;

    friend bool operator==(const MoistureSettings&, const MoistureSettings&) = default;
};

// A material's vapour resistance as the moisture check reads it: s_d itself, or μ to be
// multiplied by the layer's thickness.
struct VapourResistance {
    bool isSd = false;
    double value = 0.0; // μ (dimensionless) or s_d (m)

    double Sd(double thicknessM) const { return isSd ? value : value * thicknessM; }
};

// μ of a built-in material, when the material has the identifier and the name of one of the
// built-in rows (NewProject.cpp holds them); nothing otherwise.
std::optional<double> BuiltInMu(int identifier, std::string_view name);

// The user's record of a material (by library index); null when none.
const MaterialVapour* VapourRecordOf(const KslDoc& doc, int libraryIndex);

// The material's vapour resistance: the user's s_d, else the user's μ, else the built-in μ;
// nothing when none is known (the check refuses then; no default is ever guessed). A text that
// does not read as a positive number counts as not given.
std::optional<VapourResistance> VapourOf(const KslDoc& doc, const CMaterial& material);

// The humidity value of the settings when it suits its kind: a relative humidity above 0 and at
// most 100 %, a class from 1 to 5, a vapour excess from 0 to 30 g/m³; nothing otherwise.
std::optional<double> InteriorHumidityValue(const MoistureSettings& settings);

// Whether the text reads as a number above zero (μ, s_d, a humidity value).
bool ReadsAsPositive(std::string_view text, double& value);

} // namespace quelvan
