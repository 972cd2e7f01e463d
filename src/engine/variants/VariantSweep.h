#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace quelvan {
class KslDoc;
}

// The sweep of one project: what may vary (a layer's thickness or material, the wall's
// direction, its orientation), the values each axis takes, read from the texts a user typed,
// and the change each value makes to a project.
namespace quelvan::variants {

// Mu and Sd set the vapour resistance of the layer's material (μ, or s_d in m): every layer of
// that material takes it.
enum class AxisKind { Thickness, Material, Reversal, Azimuth, Mu, Sd };

// One value of an axis: its text as shown (the thickness in mm as it goes into the project, the
// material's name, "d'origine" / "inversée", the orientation's name) and its number where it has
// one (mm, degrees from south; 0 / 1 for the direction).
struct AxisValue {
    std::string text;
    double number = 0.0;
};

struct SweepAxis {
    AxisKind kind = AxisKind::Thickness;
    int layer = 0; // the layer a thickness or material axis changes, 1 on the exterior face
    std::vector<AxisValue> values;
};

// The varied layers as typed: each --thickness, --material, --mu or --sd with the --layer before
// it.
struct LayerRequest {
    AxisKind kind = AxisKind::Thickness; // Thickness, Material, Mu or Sd
    std::string layer; // the layer's number as typed
    std::string values; // "80,120,160", "20:300:20" or "Laine de verre,Laine de roche"
};

struct SweepRequest {
    std::vector<LayerRequest> layers;
    bool reverse = false; // the wall as it is and reversed
    std::optional<std::string> azimuths; // "all" or a list of names or degrees of the table
};

// Above this many variants a study runs only when forced.
inline constexpr std::size_t kMaxVariantsUnforced = 100000;
// An axis never holds more values than this (a range would otherwise fill the memory).
inline constexpr std::size_t kMaxAxisValues = 1000000;

// What refused a request: the layer number of a layer axis, or the values of an axis, and why in
// French. The engine names no option: whoever took the request (the command line) says which of
// its own it was.
struct SweepFault {
    enum class Subject { Layer, Values };
    Subject subject = Subject::Values;
    AxisKind axis = AxisKind::Thickness;
    std::string reason;
};

// The axes of the request on the base project, in the order of the product: the layer axes in
// the order typed, then the direction, then the orientation. Nothing, with the fault, for a
// layer number outside the wall, a value that is not a positive decimal number, an empty or
// reversed range, a step that is not positive, an unknown material or orientation, a layer's
// axis given twice, or an axis of more than kMaxAxisValues values.
std::optional<std::vector<SweepAxis>> BuildAxes(
    const KslDoc& base, const SweepRequest& request, SweepFault* fault = nullptr);

// Whether the axis changes a layer: its thickness, material, μ or s_d.
bool IsLayerAxis(AxisKind kind);

// The number of variants of the product (saturating at the largest size_t).
std::size_t ProductCount(const std::vector<SweepAxis>& axes);

// "L'étude compte 150 000 variantes, plus de 100 000".
std::string TooManyVariantsText(std::size_t count);

// Makes the value's change on a project built from the base: thickness and material changes
// name layers of the base wall, so every layer change comes before a reversal. A μ or s_d is
// given to the layer's material as the user's vapour record, in place of any it had.
void ApplyValue(KslDoc& doc, const SweepAxis& axis, const AxisValue& value);

// The insulating layer of a wall: the layer whose material conducts least (the first of them),
// from 1 on the exterior face; 0 for a wall without a layer of a readable material.
int InsulationLayer(const KslDoc& doc);
// A thickness text multiplied by a factor, with at most three decimals ("50" × 2 = "100",
// "12.5" × 0.5 = "6.25"); the text as it is when it does not read.
std::string ScaledThickness(const std::string& thickness, double factor);

// The values' texts of the thickness range FROM:TO:STEP (mm, inclusive of TO when a step lands
// on it), with the decimals of FROM and STEP; nothing and the reason for a malformed, empty or
// endless range. Exposed for the tests and the desktop.
// The same range of μ values or of s_d in m with kind Mu or Sd (the messages name them).
std::optional<std::vector<AxisValue>> ThicknessValues(
    const std::string& text, std::string* reason = nullptr, AxisKind kind = AxisKind::Thickness);

} // namespace quelvan::variants
