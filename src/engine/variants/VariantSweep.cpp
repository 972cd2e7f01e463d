#include "engine/variants/VariantSweep.h"

#include "core/NumberText.h"
#include "model/CMaterial.h"
#include "model/KslDoc.h"
#include "model/MaterialVapour.h"
#include "model/WallTables.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace quelvan::variants {

namespace {

// Thicknesses are read as whole numbers of 10^-decimals mm, so that a range adds no rounding
// of its own and every value's text is exact. Twelve digits brought to six decimals stay below
// 10^18, within a 64-bit integer.
constexpr int kMaxDecimals = 6;
constexpr std::size_t kMaxDigits = 12;

struct Decimal {
    std::int64_t units = 0;
    int decimals = 0;
};

std::string Quoted(const std::string& text)
{
    return "« " + text + " »";
}

std::vector<std::string> SplitOn(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}

// The names of a --material list, separated by commas. A name in double quotes, as in CSV, is
// one name whatever commas it holds ("\"Brique, pleine\",Laine de verre"), a doubled quote in
// it one quote; a quote elsewhere in a name is the name's own. Nothing when a quote is left open.
std::optional<std::vector<std::string>> NameList(const std::string& text)
{
    std::vector<std::string> names;
    std::size_t at = 0;
    for (;;) {
        std::string name;
        if (at < text.size() && text[at] == '"') {
            for (++at;; ++at) {
                if (at >= text.size())
                    return std::nullopt;
                if (text[at] == '"' && (at + 1 >= text.size() || text[at + 1] != '"'))
                    break;
                if (text[at] == '"')
                    ++at;
                name += text[at];
            }
            ++at;
            if (at < text.size() && text[at] != ',')
                return std::nullopt;
        } else {
            const std::size_t end = std::min(text.find(',', at), text.size());
            name = text.substr(at, end - at);
            at = end;
        }
        names.push_back(std::move(name));
        if (at >= text.size())
            return names;
        ++at; // the comma
    }
}

// Digits with at most one decimal point: no sign, no exponent, no blank.
std::optional<Decimal> ReadDecimal(const std::string& text)
{
    const std::size_t point = text.find('.');
    const std::size_t digits = text.size() - (point == std::string::npos ? 0 : 1);
    const bool wellFormed = digits > 0 && digits <= kMaxDigits
        && std::all_of(
            text.begin(), text.end(), [](char c) { return (c >= '0' && c <= '9') || c == '.'; })
        && std::count(text.begin(), text.end(), '.') <= 1;
    if (!wellFormed)
        return std::nullopt;
    Decimal d;
    d.decimals = point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
    if (d.decimals > kMaxDecimals)
        return std::nullopt;
    for (const char c : text)
        if (c != '.')
            d.units = d.units * 10 + (c - '0');
    return d;
}

std::int64_t Scaled(const Decimal& d, int decimals)
{
    std::int64_t units = d.units;
    for (int i = d.decimals; i < decimals; ++i)
        units *= 10;
    return units;
}

double Power10(int n)
{
    double p = 1.0;
    for (int i = 0; i < n; ++i)
        p *= 10.0;
    return p;
}

// The text of a count of 10^-decimals mm, with exactly that many decimals.
AxisValue ThicknessOf(std::int64_t units, int decimals)
{
    std::string digits = std::to_string(units);
    if (decimals > 0) {
        if (digits.size() <= static_cast<std::size_t>(decimals))
            digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
        digits.insert(digits.size() - static_cast<std::size_t>(decimals), ".");
    }
    return { digits, static_cast<double>(units) / Power10(decimals) };
}

// 100000 -> "100 000".
std::string Grouped(std::size_t n)
{
    std::string digits = std::to_string(n);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(static_cast<std::size_t>(i), " ");
    return digits;
}

// What a value of a layer axis read as a decimal number is, in the messages.
const char* ValueNoun(AxisKind kind)
{
    switch (kind) {
    case AxisKind::Mu:
        return "un facteur μ (nombre décimal positif)";
    case AxisKind::Sd:
        return "une épaisseur d'air équivalente s_d en m (nombre décimal positif)";
    default:
        break;
    }
    return "une épaisseur en mm (nombre décimal positif)";
}

std::optional<std::vector<AxisValue>> ThicknessList(
    const std::string& text, std::string* reason, AxisKind kind = AxisKind::Thickness)
{
    std::vector<AxisValue> values;
    for (const std::string& item : SplitOn(text, ',')) {
        const std::optional<Decimal> d = ReadDecimal(item);
        if (!d) {
            if (reason != nullptr)
                *reason = item.empty() ? "valeur vide dans " + Quoted(text)
                                       : Quoted(item) + " n'est pas " + ValueNoun(kind);
            return std::nullopt;
        }
        values.push_back({ item, static_cast<double>(d->units) / Power10(d->decimals) });
    }
    return values;
}

std::optional<SweepAxis> Refuse(
    SweepFault* fault, SweepFault::Subject subject, AxisKind axis, std::string reason)
{
    if (fault != nullptr)
        *fault = { subject, axis, std::move(reason) };
    return std::nullopt;
}

std::optional<SweepAxis> LayerAxis(
    const KslDoc& base, const LayerRequest& request, SweepFault* fault)
{
    auto failLayer = [fault, &request](std::string reason) {
        return Refuse(fault, SweepFault::Subject::Layer, request.kind, std::move(reason));
    };
    auto fail = [fault, &request](std::string reason) {
        return Refuse(fault, SweepFault::Subject::Values, request.kind, std::move(reason));
    };
    int layer = 0;
    const bool number = !request.layer.empty()
        && std::all_of(
            request.layer.begin(), request.layer.end(), [](char c) { return c >= '0' && c <= '9'; })
        && request.layer.size() <= 9 && ParseInt(request.layer, layer);
    if (!number)
        return failLayer(Quoted(request.layer) + " n'est pas un numéro de couche");
    const int count = base.layers.Count();
    if (layer < 1 || layer > count)
        return failLayer("la paroi n'a pas de couche " + std::to_string(layer) + " ("
            + (count == 0 ? std::string("elle n'a aucune couche")
                          : "couches 1 à " + std::to_string(count))
            + ")");
    SweepAxis axis { request.kind, layer, {} };
    if (request.values.empty())
        return fail("la liste est vide");
    if (request.kind != AxisKind::Material) {
        std::string reason;
        const bool range = request.values.find(':') != std::string::npos;
        std::optional<std::vector<AxisValue>> values = range
            ? ThicknessValues(request.values, &reason, request.kind)
            : ThicknessList(request.values, &reason, request.kind);
        if (!values)
            return fail(reason);
        axis.values = std::move(*values);
        return axis;
    }
    const std::optional<std::vector<std::string>> names = NameList(request.values);
    if (!names)
        return fail("guillemets mal fermés dans " + Quoted(request.values));
    for (const std::string& name : *names) {
        if (name.empty())
            return fail("nom de matériau vide dans " + Quoted(request.values));
        if (base.FindMaterialByName(name) == nullptr)
            return fail(
                "le matériau " + Quoted(name) + " n'est pas dans la bibliothèque du projet");
        axis.values.push_back({ name, 0.0 });
    }
    return axis;
}

std::string LowerAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The table's entry of an angle from south, -1 for none. An angle of the table is taken on
// either side of the half-turn (-180 is Nord as 180 is, 215 is Nord-Est as -145 is), and -135,
// the compass angle of Nord-Est, mirror of Nord-Ouest at 135, is Nord-Est, which the table
// computes at -145.
int OrientationIndex(int degrees)
{
    constexpr int kNordEstCompass = -135;
    constexpr int kTurn = 360;
    if (degrees == kNordEstCompass)
        return AzimuthIndexOf(-145);
    if (degrees <= -kTurn || degrees >= kTurn)
        return -1;
    if (degrees <= -180)
        degrees += kTurn;
    else if (degrees > 180)
        degrees -= kTurn;
    return AzimuthIndexOf(degrees);
}

std::optional<AxisValue> Orientation(const std::string& item)
{
    for (const AngleEntry& entry : kAzimuths)
        if (LowerAscii(item) == LowerAscii(entry.label))
            return AxisValue { entry.label, static_cast<double>(entry.degrees) };
    const std::size_t first = !item.empty() && item.front() == '-' ? 1 : 0;
    int degrees = 0;
    const bool number = item.size() > first && item.size() <= 5
        && std::all_of(item.begin() + static_cast<std::ptrdiff_t>(first), item.end(),
            [](char c) { return c >= '0' && c <= '9'; })
        && ParseInt(item, degrees);
    const int index = number ? OrientationIndex(degrees) : -1;
    if (index < 0)
        return std::nullopt;
    const AngleEntry& entry = kAzimuths[static_cast<std::size_t>(index)];
    return AxisValue { entry.label, static_cast<double>(entry.degrees) };
}

std::string OrientationChoices()
{
    std::string names, angles;
    for (const AngleEntry& entry : kAzimuths) {
        names += (names.empty() ? "" : ", ") + std::string(entry.label);
        angles += (angles.empty() ? "" : ", ") + std::to_string(entry.degrees);
    }
    return names + ", ou son angle depuis le sud en degrés : " + angles;
}

std::optional<SweepAxis> AzimuthAxis(const std::string& text, SweepFault* fault)
{
    SweepAxis axis { AxisKind::Azimuth, 0, {} };
    if (LowerAscii(text) == "all") {
        for (const AngleEntry& entry : kAzimuths)
            axis.values.push_back({ entry.label, static_cast<double>(entry.degrees) });
        return axis;
    }
    for (const std::string& item : SplitOn(text, ',')) {
        const std::optional<AxisValue> value = Orientation(item);
        if (!value)
            return Refuse(fault, SweepFault::Subject::Values, AxisKind::Azimuth,
                Quoted(item) + " n'est pas une orientation (" + OrientationChoices() + ")");
        axis.values.push_back(*value);
    }
    return axis;
}

// The layer's material takes the value as the user's μ or s_d, in place of its record.
void SetLayerVapour(KslDoc& doc, int layer, bool sd, const std::string& value)
{
    const CMaterial* material = doc.layers.At(layer - 1).Material();
    if (material == nullptr)
        return;
    const MaterialVapour record { material->LibraryIndex(), sd ? std::string() : value,
        sd ? value : std::string() };
    for (int i = 0; i < doc.vapour.Count(); ++i)
        if (doc.vapour.At(i).index == record.index) {
            doc.vapour.At(i) = record;
            return;
        }
    doc.vapour.Append(std::make_unique<MaterialVapour>(record));
}

} // namespace

std::optional<std::vector<AxisValue>> ThicknessValues(
    const std::string& text, std::string* reason, AxisKind kind)
{
    auto fail = [reason](std::string message) -> std::optional<std::vector<AxisValue>> {
        if (reason != nullptr)
            *reason = std::move(message);
        return std::nullopt;
    };
    const std::vector<std::string> parts = SplitOn(text, ':');
    if (parts.size() != 3)
        return fail(Quoted(text) + " n'est ni une liste ni une plage DE:À:PAS");
    std::optional<Decimal> ends[3];
    for (std::size_t i = 0; i < 3; ++i) {
        ends[i] = ReadDecimal(parts[i]);
        if (!ends[i])
            return fail(Quoted(parts[i]) + " n'est pas " + ValueNoun(kind));
    }
    const int decimals = std::max(ends[0]->decimals, ends[2]->decimals);
    const int scale = std::max(decimals, ends[1]->decimals);
    const std::int64_t from = Scaled(*ends[0], scale);
    const std::int64_t to = Scaled(*ends[1], scale);
    const std::int64_t step = Scaled(*ends[2], scale);
    if (step <= 0)
        return fail("le pas de la plage " + Quoted(text) + " doit être positif");
    if (to < from)
        return fail("la plage " + Quoted(text) + " est vide");
    const std::int64_t count = (to - from) / step + 1;
    if (count > static_cast<std::int64_t>(kMaxAxisValues))
        return fail(
            "la plage " + Quoted(text) + " donne plus de " + Grouped(kMaxAxisValues) + " valeurs");
    std::int64_t divisor = 1;
    for (int i = decimals; i < scale; ++i)
        divisor *= 10;
    std::vector<AxisValue> values;
    values.reserve(static_cast<std::size_t>(count));
    for (std::int64_t k = 0; k < count; ++k)
        values.push_back(ThicknessOf((from + k * step) / divisor, decimals));
    return values;
}

int InsulationLayer(const KslDoc& doc)
{
    int found = 0;
    float lowest = 0.0f;
    for (int i = 0; i < doc.layers.Count(); ++i) {
        const CMaterial* material = doc.layers.At(i).Material();
        float conductivity = 0.0f;
        if (material == nullptr || !ParseFloat(material->Conductivity(), conductivity)
            || conductivity <= 0.0f)
            continue;
        if (found == 0 || conductivity < lowest) {
            found = i + 1;
            lowest = conductivity;
        }
    }
    return found;
}

std::string ScaledThickness(const std::string& thickness, double factor)
{
    float value = 0.0f;
    if (!ParseFloat(thickness, value))
        return thickness;
    return FormatNumber(static_cast<double>(value) * factor, Decimals { 3 }, true);
}

std::optional<std::vector<SweepAxis>> BuildAxes(
    const KslDoc& base, const SweepRequest& request, SweepFault* fault)
{
    std::vector<SweepAxis> axes;
    for (const LayerRequest& layer : request.layers) {
        std::optional<SweepAxis> axis = LayerAxis(base, layer, fault);
        if (!axis)
            return std::nullopt;
        // A layer's thickness (or material) varied twice: the second axis would overwrite the
        // first in every variant while its rows still named the first's values.
        for (const SweepAxis& earlier : axes)
            if (earlier.kind == axis->kind && earlier.layer == axis->layer) {
                Refuse(fault, SweepFault::Subject::Values, axis->kind,
                    "la couche " + std::to_string(axis->layer) + " est déjà variée");
                return std::nullopt;
            }
        axes.push_back(std::move(*axis));
    }
    if (request.reverse)
        axes.push_back({ AxisKind::Reversal, 0, { { "telle quelle", 0.0 }, { "inversée", 1.0 } } });
    if (request.azimuths) {
        std::optional<SweepAxis> axis = AzimuthAxis(*request.azimuths, fault);
        if (!axis)
            return std::nullopt;
        axes.push_back(std::move(*axis));
    }
    return axes;
}

bool IsLayerAxis(AxisKind kind)
{
    return kind != AxisKind::Reversal && kind != AxisKind::Azimuth;
}

std::size_t ProductCount(const std::vector<SweepAxis>& axes)
{
    constexpr std::size_t kLargest = std::numeric_limits<std::size_t>::max();
    std::size_t count = 1;
    for (const SweepAxis& axis : axes) {
        const std::size_t n = axis.values.size();
        if (n == 0)
            return 0;
        count = count > kLargest / n ? kLargest : count * n;
    }
    return count;
}

std::string TooManyVariantsText(std::size_t count)
{
    return "L'étude compte " + Grouped(count) + " variantes, plus de "
        + Grouped(kMaxVariantsUnforced);
}

void ApplyValue(KslDoc& doc, const SweepAxis& axis, const AxisValue& value)
{
    const bool layerExists = axis.layer >= 1 && axis.layer <= doc.layers.Count();
    switch (axis.kind) {
    case AxisKind::Thickness:
        if (layerExists)
            doc.layers.At(axis.layer - 1).SetThickness(value.text);
        break;
    case AxisKind::Material:
        if (layerExists)
            doc.layers.At(axis.layer - 1).SetMaterial(doc.FindMaterialByName(value.text));
        break;
    case AxisKind::Reversal:
        if (value.number != 0.0) {
            auto layers = doc.layers.TakeAll();
            std::reverse(layers.begin(), layers.end());
            doc.layers.Replace(std::move(layers));
        }
        break;
    case AxisKind::Azimuth:
        doc.azimuthIndex = AzimuthIndexOf(static_cast<int>(value.number));
        break;
    case AxisKind::Mu:
    case AxisKind::Sd:
        if (layerExists)
            SetLayerVapour(doc, axis.layer, axis.kind == AxisKind::Sd, value.text);
        break;
    }
}

} // namespace quelvan::variants
