// The two optional sections of the moisture check: the vapour data the user gave materials
// ("O=%3d M=%12s S=%12s", μ and s_d in m, "-" when not given) and the interior of the check
// ("H=%1d V=%12s T=%12s": the kind of humidity, its value, the interior temperature or "-" for
// the interior ambiance's mean). Each is written only when the project holds its records.
#include "core/NumberText.h"
#include "model/KslDoc.h"
#include "model/OwnRecords.h"
#include "persistence/FieldAccess.h"

namespace quelvan {

namespace {

using namespace layout;

// "-" stands for a value not given, so that no field of the line is ever blank.
constexpr std::string_view kNotGiven = "-";

FieldValue OrDash(const std::string& text)
{
    return Text(text.empty() ? std::string(kNotGiven) : text);
}

std::string FromDash(const std::string& text)
{
    return text == kNotGiven ? std::string() : text;
}

// A value given must read as a number above zero: the check would refuse it later anyway, and
// the file must not keep what the check cannot use.
bool IsDashOrPositive(const std::string& text)
{
    double value = 0.0;
    return text.empty() || ReadsAsPositive(text, value);
}

// --- vapour data of materials ---------------------------------------------------------------
bool SetVapourIndex(MaterialVapour& r, const FieldValue& v, const KslDoc& read)
{
    r.index = v.number;
    return read.FindMaterialByIndex(v.number) != nullptr && VapourRecordOf(read, v.number) == &r;
}

FieldValue MuOf(const MaterialVapour& r)
{
    return OrDash(r.mu);
}

FieldValue SdOf(const MaterialVapour& r)
{
    return OrDash(r.sd);
}

bool SetMu(MaterialVapour& r, const FieldValue& v, const KslDoc&)
{
    r.mu = FromDash(v.text);
    return IsDashOrPositive(r.mu);
}

bool SetSd(MaterialVapour& r, const FieldValue& v, const KslDoc&)
{
    r.sd = FromDash(v.text);
    return IsDashOrPositive(r.sd) && !(r.sd.empty() && r.mu.empty());
}

constexpr Field<MaterialVapour> kVapourFields[] {
    { .prefix = "O=",
        .label = "O=",
        .kind = FieldKind::Integer,
        .width = 3,
        .get = NumberOf<MaterialVapour, &MaterialVapour::index>,
        .set = SetVapourIndex,
        .need = Need::Required,
        .low = 0,
        .high = kMaxRecordIndex,
        .refusal = ReadFault::UnknownMaterial },
    { .prefix = " M=",
        .label = "M=",
        .width = 12,
        .get = MuOf,
        .set = SetMu,
        .refusal = ReadFault::NotANumber },
    { .prefix = " S=",
        .label = "S=",
        .width = 12,
        .get = SdOf,
        .set = SetSd,
        .refusal = ReadFault::NotANumber },
};

MaterialVapour& AppendVapour(KslDoc& doc)
{
    return doc.vapour.Append(std::make_unique<MaterialVapour>());
}

constexpr Field<SectionCount> kVapourCountFields[] {
    IntegerOf<SectionCount, &SectionCount::count, &SectionCount::count>(
        "N=", "N=", 3, 1, kMaxListRecords),
};

// --- interior of the moisture check -------------------------------------------------------
FieldValue ModeOf(const MoistureSettings& s)
{
    return Number(static_cast<int>(s.mode));
}

bool SetMode(MoistureSettings& s, const FieldValue& v, const KslDoc&)
{
    s.mode = static_cast<InteriorHumidity>(v.number);
    return true;
}

FieldValue HumidityValueOf(const MoistureSettings& s)
{
    return Text(s.value);
}

bool SetHumidityValue(MoistureSettings& s, const FieldValue& v, const KslDoc&)
{
    s.value = v.text;
    return InteriorHumidityValue(s).has_value();
}

FieldValue TemperatureOf(const MoistureSettings& s)
{
    return OrDash(s.interiorTemperature);
}

bool SetTemperature(MoistureSettings& s, const FieldValue& v, const KslDoc&)
{
    s.interiorTemperature = FromDash(v.text);
    float parsed = 0.0F;
    return s.interiorTemperature.empty() || ParseFloat(s.interiorTemperature, parsed);
}

constexpr Field<MoistureSettings> kSettingsFields[] {
    Integer<MoistureSettings>("H=", "H=", 1, ModeOf, SetMode, 0, 2),
    { .prefix = " V=",
        .label = "V=",
        .width = 12,
        .get = HumidityValueOf,
        .set = SetHumidityValue,
        .refusal = ReadFault::OutOfRange },
    { .prefix = " T=",
        .label = "T=",
        .width = 12,
        .get = TemperatureOf,
        .set = SetTemperature,
        .refusal = ReadFault::NotANumber },
};

MoistureSettings& AppendSettings(KslDoc& doc)
{
    return doc.moisture.Append(std::make_unique<MoistureSettings>());
}

constexpr Field<SectionCount> kSettingsCountFields[] {
    IntegerOf<SectionCount, &SectionCount::count, &SectionCount::count>("N=", "N=", 3, 1, 1),
};

} // namespace

constexpr SectionLayout<MaterialVapour> kVapourSection { .recordName = "vapeur de matériau",
    .list = &KslDoc::vapour,
    .countLine = { kVapourCountFields, "  : nb de materiaux avec vapeur" },
    .record = { kVapourFields, "" },
    .append = AppendVapour };

constexpr SectionLayout<MoistureSettings> kMoistureSection { .recordName = "humidité intérieure",
    .list = &KslDoc::moisture,
    .countLine = { kSettingsCountFields, "  : nb de reglages d'humidite" },
    .record = { kSettingsFields, "" },
    .append = AppendSettings };

} // namespace quelvan
