// Reading side of the project file: the same lines, in the same order, cut out of their
// columns. Every record is overwritten in place; only the layers are created from a count.
#include "persistence/ProjectFile.h"

#include "core/NumberText.h"
#include "model/KslDoc.h"
#include "model/WallTables.h"
#include "persistence/FixedColumns.h"

#include <optional>

namespace quelvan {

namespace {

// Largest library or ambiance index accepted, so that adding the identifier base cannot
// overflow.
constexpr int kMaxRecordIndex = 999999;

// Hands out the lines in order; a missing or over-long line ends the read.
class LineSource {
public:
    explicit LineSource(const std::vector<std::string>& lines)
        : lines_(lines)
    {
    }

    const std::string* Next()
    {
        if (next_ >= lines_.size())
            return nullptr;
        const std::string& line = lines_[next_++];
        if (CharacterCount(line) > kMaxProjectLineLength)
            return nullptr;
        return &line;
    }
    bool Skip(int count)
    {
        for (int i = 0; i < count; ++i)
            if (Next() == nullptr)
                return false;
        return true;
    }

private:
    const std::vector<std::string>& lines_;
    size_t next_ = 0;
};

// ParseInt, limited to nine digits so that no value can overflow.
std::optional<int> Integer(const std::string& text)
{
    int digits = 0;
    for (const char c : text)
        digits += (c >= '0' && c <= '9') ? 1 : 0;
    int value = 0;
    if (digits > 9 || !ParseInt(text, value))
        return std::nullopt;
    return value;
}

std::optional<int> IntegerIn(const std::string& text, int low, int high)
{
    const auto value = Integer(text);
    if (!value || *value < low || *value > high)
        return std::nullopt;
    return value;
}

bool ReadPrintChoices(KslDoc& doc, const std::string& text)
{
    FixedColumnLine line(text);
    doc.printChoices.fill(0);
    for (int k = 0; k < 5; ++k) {
        const auto flag = Integer(line.Field(2 * k, 2, false));
        if (!flag)
            return false;
        doc.printChoices[static_cast<size_t>(k)] = *flag != 0 ? 1 : 0;
    }
    return true;
}

bool ReadMaterial(CMaterial& material, const std::string& text)
{
    FixedColumnLine line(text);
    const auto index = IntegerIn(line.Field(2, 3), 0, kMaxRecordIndex);
    std::string conductivity = line.Field(8, 12);
    std::string density = line.Field(23, 12);
    std::string capacity = line.Field(38, 12);
    const auto red = IntegerIn(line.Field(53, 3, false), 0, 255);
    const auto green = IntegerIn(line.Field(56, 3, false), 0, 255);
    const auto blue = IntegerIn(line.Field(59, 3), 0, 255);
    if (!index || !red || !green || !blue || !line.Reaches(65))
        return false;
    material.SetIdentifier(CMaterial::kIdentifierBase + *index);
    material.SetConductivity(std::move(conductivity));
    material.SetDensity(std::move(density));
    material.SetCapacity(std::move(capacity));
    material.SetColour(MakeColour(*red, *green, *blue));
    material.SetName(line.Rest(65));
    return true;
}

bool ReadProfile(ProfileData& profile, FixedColumnLine& line, int typeColumn, int firstValueColumn,
    int valueWidth, bool periodMustRead)
{
    profile.type = ProfileTypeFromKeyword(line.Field(typeColumn, 2));
    const auto days = Integer(line.Field(typeColumn + 3, 2));
    if (!days && periodMustRead)
        return false;
    profile.period = days ? PeriodFromDays(*days) : Period::Week;
    for (int k = 0; k < 4; ++k)
        profile.values[static_cast<size_t>(k)]
            = line.Field(firstValueColumn + k * (valueWidth + 1), valueWidth);
    return true;
}

bool ReadAmbiance(CBCData& record, const std::string& text)
{
    FixedColumnLine line(text);
    const auto index = IntegerIn(line.Field(2, 3), 0, kMaxRecordIndex);
    const bool weatherFlag = line.Field(6, 1) == "1";
    // A city outside the list would name no weather file.
    const auto city = IntegerIn(line.Field(8, 2), -1, static_cast<int>(kCities.size()) - 1);
    const auto firstDay = Integer(line.Field(11, 3));
    const auto weatherDays = Integer(line.Field(15, 1));
    if (!index || !city || !firstDay || !weatherDays)
        return false;
    CBCData read;
    if (!ReadProfile(read.temperature, line, 17, 23, 4, true))
        return false;
    // The flux period is not required to read: anything but 1 is a week.
    ReadProfile(read.flux, line, 43, 49, 5, false);
    record.SetIdentifier(kAmbianceIdentifierBase + *index);
    record.weatherFlag = weatherFlag;
    record.cityIndex = *city;
    record.firstDay = *firstDay;
    record.weatherPeriod = PeriodFromDays(*weatherDays);
    record.temperature = std::move(read.temperature);
    record.flux = std::move(read.flux);
    record.SetName(line.Reaches(75) ? line.Rest(75) : std::string());
    return true;
}

bool ReadAmbianceSection(LineSource& source, NList<CBCData>& list)
{
    if (!source.Skip(1)) // the count line, not used
        return false;
    for (CBCData& record : list) {
        const std::string* line = source.Next();
        if (line == nullptr || !ReadAmbiance(record, *line))
            return false;
    }
    return source.Skip(1); // separator
}

// The value of a "K=<12 columns> :" line.
std::optional<std::string> ValueField(LineSource& source)
{
    const std::string* line = source.Next();
    if (line == nullptr)
        return std::nullopt;
    return FixedColumnLine(*line).Field(2, 12);
}

std::optional<int> IntegerLine(LineSource& source)
{
    const auto field = ValueField(source);
    return field ? Integer(*field) : std::nullopt;
}

bool ReadPlacement(LineSource& source, KslDoc& doc)
{
    const auto code = IntegerLine(source);
    const auto mode = code ? InitialTemperatureFromCode(*code) : std::nullopt;
    if (!mode || !source.Skip(1))
        return false;
    // An angle that is not in its table is refused rather than replaced by a default: the
    // user would otherwise compute another wall without being told.
    const auto azimuth = IntegerLine(source);
    const auto inclination = IntegerLine(source);
    if (!azimuth || !inclination || AzimuthIndexOf(*azimuth) < 0
        || InclinationIndexOf(*inclination) < 0)
        return false;
    const auto absorptionInterior = ValueField(source);
    const auto absorptionExterior = ValueField(source);
    const auto resistanceInterior = ValueField(source);
    const auto resistanceExterior = ValueField(source);
    const auto selectedExterior = IntegerLine(source);
    const auto selectedInterior = IntegerLine(source);
    if (!absorptionInterior || !absorptionExterior || !resistanceInterior || !resistanceExterior
        || !selectedExterior || !selectedInterior)
        return false;
    doc.initialTemperatureMode = *mode;
    doc.azimuthIndex = AzimuthIndexOf(*azimuth);
    doc.inclinationIndex = InclinationIndexOf(*inclination);
    doc.surfaces.absorptionInterior = *absorptionInterior;
    doc.surfaces.absorptionExterior = *absorptionExterior;
    doc.surfaces.resistanceInterior = *resistanceInterior;
    doc.surfaces.resistanceExterior = *resistanceExterior;
    doc.selectedExterior = *selectedExterior;
    doc.selectedInterior = *selectedInterior;
    return source.Skip(1);
}

bool ReadLayers(LineSource& source, KslDoc& doc)
{
    doc.layers.Clear();
    const std::string* countLine = source.Next();
    if (countLine == nullptr)
        return false;
    const auto count = IntegerIn(FixedColumnLine(*countLine).Field(2, 3), 0, kMaxRecordIndex);
    if (!count)
        return false;
    for (int i = 0; i < *count; ++i) {
        const std::string* text = source.Next();
        if (text == nullptr)
            return false;
        FixedColumnLine line(*text);
        std::string thickness = line.Field(2, 12);
        const auto index = Integer(line.Field(17, 3));
        // A layer must name a material of the library: the engine and the drawing need it.
        const CMaterial* material = index ? doc.FindMaterialByIndex(*index) : nullptr;
        if (material == nullptr)
            return false;
        doc.AddLayer(material, std::move(thickness));
    }
    return true;
}

} // namespace

int ParseProjectLines(KslDoc& doc, const std::vector<std::string>& lines)
{
    LineSource source(lines);
    const std::string* version = source.Next(); // any version text is accepted
    // Author and reference take whole lines; two title lines, a separator and the print-choice
    // count follow, unused.
    const std::string* author = source.Next();
    const std::string* reference = source.Next();
    if (version == nullptr || author == nullptr || reference == nullptr || !source.Skip(4))
        return kReadFailed;
    doc.author = *author;
    doc.reference = *reference;
    const std::string* flags = source.Next();
    if (flags == nullptr || !ReadPrintChoices(doc, *flags))
        return kReadFailed;

    if (!source.Skip(2)) // separator and material count, not used
        return kReadFailed;
    for (CMaterial& material : doc.materials) {
        const std::string* line = source.Next();
        if (line == nullptr || !ReadMaterial(material, *line))
            return kReadFailed;
    }
    if (!source.Skip(1) || !ReadAmbianceSection(source, doc.exteriorAmbiances)
        || !ReadAmbianceSection(source, doc.interiorAmbiances))
        return kReadFailed;
    if (!ReadPlacement(source, doc) || !ReadLayers(source, doc))
        return kReadFailed;
    return kReadOk;
}

} // namespace quelvan
