// The records of the project file: material, ambiance and layer lines, and the sections that
// hold them behind their count lines.
#include "model/KslDoc.h"
#include "model/OwnRecords.h"
#include "model/WallCheck.h"
#include "persistence/FieldAccess.h"

namespace quelvan {

namespace {

using namespace layout;

// An identifier that an earlier record of the same list holds is refused: layers and
// selections find the first record of an index, so the second could never be reached.
template <typename R, int (R::*Index)() const>
bool IndexIsFree(const R& record, const NList<R>& list, int index)
{
    for (const R& other : list)
        if (&other != &record && (other.*Index)() == index)
            return false;
    return true;
}

template <typename R> constexpr Field<R> UniqueIndexField(Field<R> field)
{
    field.refusal = ReadFault::DuplicateIdentifier;
    return field;
}

// --- materials: "O=%3d L=%12s R=%12s C=%12s C=%3d%3d%3d N=%s" ------------------------------
bool SetLibraryIndex(CMaterial& m, const FieldValue& v, const KslDoc& read)
{
    if (!IndexIsFree<CMaterial, &CMaterial::LibraryIndex>(m, read.materials, v.number))
        return false;
    m.SetIdentifier(CMaterial::kIdentifierBase + v.number);
    return true;
}

template <int Shift> FieldValue ColourPart(const CMaterial& m)
{
    return Number(static_cast<int>((m.GetColour() >> Shift) & 0xFF));
}

template <int Shift> bool SetColourPart(CMaterial& m, const FieldValue& v, const KslDoc&)
{
    const Colour others = m.GetColour() & ~(Colour { 0xFF } << Shift);
    m.SetColour(others | (static_cast<Colour>(v.number) << Shift));
    return true;
}

// Red, green and blue in three adjacent fields.
template <int Shift> constexpr Field<CMaterial> ColourField(std::string_view label)
{
    Field<CMaterial> field = Integer<CMaterial>(
        Shift == 0 ? " C=" : "", label, 3, ColourPart<Shift>, SetColourPart<Shift>, 0, 255);
    field.runOn = Shift == 16;
    return field;
}

constexpr Field<CMaterial> kMaterialFields[] {
    UniqueIndexField(Integer<CMaterial>("O=", "O=", 3,
        NumberOf<CMaterial, &CMaterial::LibraryIndex>, SetLibraryIndex, 0, kMaxRecordIndex)),
    ValueOf<CMaterial, &CMaterial::Conductivity, &CMaterial::SetConductivity>(" L=", "L=", 12),
    ValueOf<CMaterial, &CMaterial::Density, &CMaterial::SetDensity>(" R=", "R=", 12),
    ValueOf<CMaterial, &CMaterial::Capacity, &CMaterial::SetCapacity>(" C=", "C=", 12),
    ColourField<0>("C= (rouge)"),
    ColourField<8>("C= (vert)"),
    ColourField<16>("C= (bleu)"),
    NameOf<CMaterial, &CMaterial::Name, &CMaterial::SetName>(" N=", "N=", Need::Required),
};

// --- ambiances: "O=%3d %1d %2d %3d %1d %2s %2d %4s %4s %4s %4s %2s %2d %5s %5s %5s %5s N=%s" ---
bool SetAmbianceIndex(CBCData& r, const FieldValue& v, const KslDoc& read)
{
    if (!IndexIsFree<CBCData, &CBCData::Index>(r, read.Ambiances(r.side), v.number))
        return false;
    r.SetIdentifier(kAmbianceIdentifierBase + v.number);
    return true;
}

FieldValue WeatherFlagOf(const CBCData& r)
{
    return Number(r.weatherFlag ? 1 : 0);
}

bool SetWeatherFlag(CBCData& r, const FieldValue& v, const KslDoc&)
{
    r.weatherFlag = v.number == 1;
    return true;
}

// A period is stored as its length in days; 1 reads as a day, any other number as a week.
FieldValue WeatherPeriodOf(const CBCData& r)
{
    return Number(PeriodDays(r.weatherPeriod));
}

bool SetWeatherPeriod(CBCData& r, const FieldValue& v, const KslDoc&)
{
    r.weatherPeriod = PeriodFromDays(v.number);
    return true;
}

template <Component C> ProfileData& ProfileOf(CBCData& r)
{
    return C == Component::Temperature ? r.temperature : r.flux;
}

template <Component C> FieldValue PeriodOf(const CBCData& r)
{
    return Number(PeriodDays(r.Profile(C).period));
}

template <Component C> bool SetPeriod(CBCData& r, const FieldValue& v, const KslDoc&)
{
    ProfileOf<C>(r).period = PeriodFromDays(v.number);
    return true;
}

template <Component C> FieldValue TypeOf(const CBCData& r)
{
    return Text(ProfileTypeKeyword(r.Profile(C).type));
}

template <Component C> bool SetType(CBCData& r, const FieldValue& v, const KslDoc&)
{
    ProfileOf<C>(r).type = ProfileTypeFromKeyword(v.text);
    return true;
}

template <Component C, int K> FieldValue ProfileValueOf(const CBCData& r)
{
    return Text(r.Profile(C).values[K]);
}

template <Component C, int K> bool SetProfileValue(CBCData& r, const FieldValue& v, const KslDoc&)
{
    ProfileOf<C>(r).values[K] = v.text;
    return true;
}

// A profile: its type code, its period, then four values.
template <Component C> constexpr Field<CBCData> TypeField(std::string_view label)
{
    return { .prefix = " ",
        .label = label,
        .kind = FieldKind::Code,
        .width = 2,
        .get = TypeOf<C>,
        .set = SetType<C> };
}

template <Component C> constexpr Field<CBCData> PeriodField(std::string_view label)
{
    Field<CBCData> field = Integer<CBCData>(" ", label, 2, PeriodOf<C>, SetPeriod<C>);
    // The flux period need not read: anything but 1 is a week.
    if (C == Component::Flux)
        field.need = Need::Optional;
    return field;
}

template <Component C, int K> constexpr Field<CBCData> ValueField(std::string_view label)
{
    return { .prefix = " ",
        .label = label,
        .width = C == Component::Temperature ? 4 : 5,
        .get = ProfileValueOf<C, K>,
        .set = SetProfileValue<C, K> };
}

// The stations are read before the ambiances, so the index is checked as it is read.
bool SetCity(CBCData& r, const FieldValue& v, const KslDoc& read)
{
    r.cityIndex = v.number;
    return v.number < kFirstStationIndex || read.StationNumbered(v.number) != nullptr;
}

constexpr Field<CBCData> CityField()
{
    Field<CBCData> field = Integer<CBCData>(
        " ", "ville", 2, NumberOf<CBCData, &CBCData::cityIndex>, SetCity, -1, kLastStationIndex);
    field.refusal = ReadFault::UnknownStation;
    return field;
}

constexpr Field<CBCData> kAmbianceFields[] {
    UniqueIndexField(Integer<CBCData>(
        "O=", "O=", 3, NumberOf<CBCData, &CBCData::Index>, SetAmbianceIndex, 0, kMaxRecordIndex)),
    { .prefix = " ",
        .label = "météo",
        .kind = FieldKind::Flag,
        .width = 1,
        .get = WeatherFlagOf,
        .set = SetWeatherFlag },
    // A city index names a city of the list or a weather station of the file; any other would
    // name no weather file.
    CityField(),
    IntegerOf<CBCData, &CBCData::firstDay, &CBCData::firstDay>(" ", "premier jour", 3),
    Integer<CBCData>(" ", "période météo", 1, WeatherPeriodOf, SetWeatherPeriod),
    TypeField<Component::Temperature>("type de température"),
    PeriodField<Component::Temperature>("période de température"),
    ValueField<Component::Temperature, 0>("température 1"),
    ValueField<Component::Temperature, 1>("température 2"),
    ValueField<Component::Temperature, 2>("température 3"),
    ValueField<Component::Temperature, 3>("température 4"),
    TypeField<Component::Flux>("type de flux"),
    PeriodField<Component::Flux>("période de flux"),
    ValueField<Component::Flux, 0>("flux 1"),
    ValueField<Component::Flux, 1>("flux 2"),
    ValueField<Component::Flux, 2>("flux 3"),
    ValueField<Component::Flux, 3>("flux 4"),
    NameOf<CBCData, &CBCData::Name, &CBCData::SetName>(" N=", "N=", Need::Optional),
};

// --- weather stations: "O=%3d F=%s N=%s" ----------------------------------------------------
bool SetStationIndex(WeatherStation& w, const FieldValue& v, const KslDoc& read)
{
    if (!IndexIsFree<WeatherStation, &WeatherStation::Index>(w, read.stations, v.number))
        return false;
    w.index = v.number;
    return true;
}

// The weather file is looked for in the search folders: a name with a folder part could reach
// any file of the system.
bool SetStationFile(WeatherStation& w, const FieldValue& v, const KslDoc&)
{
    w.fileName = v.text;
    return IsBareFileName(v.text);
}

constexpr Field<WeatherStation> kStationFields[] {
    UniqueIndexField(
        Integer<WeatherStation>("O=", "O=", 3, NumberOf<WeatherStation, &WeatherStation::index>,
            SetStationIndex, kFirstStationIndex, kLastStationIndex)),
    // A file name of any length: written as it is, it runs on to the blank after it.
    { .prefix = " F=",
        .label = "F=",
        .width = 1,
        .get = TextOf<WeatherStation, &WeatherStation::fileName>,
        .set = SetStationFile,
        .refusal = ReadFault::NotABareFileName },
    NameOf<WeatherStation, &WeatherStation::name, &WeatherStation::name>(
        " N=", "N=", Need::Required),
};

WeatherStation& AppendStation(KslDoc& doc)
{
    return doc.stations.Append(std::make_unique<WeatherStation>());
}

// --- layers: "L=%12s I=%3d M=%s" -----------------------------------------------------------
FieldValue LayerMaterialIndex(const NMaterialLayer& l)
{
    // A layer without material is written -1, which names none.
    return Number(l.Material() != nullptr ? l.Material()->LibraryIndex() : -1);
}

// A layer must name a material of the library: the engine and the drawing need it.
bool SetLayerMaterial(NMaterialLayer& l, const FieldValue& v, const KslDoc& read)
{
    l.SetMaterial(read.FindMaterialByIndex(v.number));
    return l.Material() != nullptr;
}

FieldValue LayerMaterialName(const NMaterialLayer& l)
{
    return Text(l.Material() != nullptr ? l.Material()->Name() : std::string());
}

constexpr Field<NMaterialLayer> kLayerFields[] {
    ValueOf<NMaterialLayer, &NMaterialLayer::Thickness, &NMaterialLayer::SetThickness>(
        "L=", "L=", 12),
    { .prefix = " I=",
        .label = "I=",
        .kind = FieldKind::Integer,
        .width = 3,
        .get = LayerMaterialIndex,
        .set = SetLayerMaterial,
        .need = Need::Required,
        .refusal = ReadFault::UnknownMaterial },
    // The material's name, for whoever reads the file; never read back.
    { .prefix = " M=", .label = "M=", .kind = FieldKind::Rest, .get = LayerMaterialName },
};

NMaterialLayer& AppendLayer(KslDoc& doc)
{
    return doc.AddLayer(nullptr, std::string());
}

// --- records appended for the lines of their sections -------------------------------------
CMaterial& AppendMaterial(KslDoc& doc)
{
    return doc.materials.Append(std::make_unique<CMaterial>());
}

// The layers point at the materials about to go; the layer section that follows rebuilds them.
void ClearLibrary(KslDoc& doc)
{
    doc.layers.Clear();
}

// The side of an ambiance is that of its section.
template <Side S> CBCData& AppendAmbiance(KslDoc& doc)
{
    auto record = std::make_unique<CBCData>();
    record->side = S;
    return doc.Ambiances(S).Append(std::move(record));
}

// --- sections: "N=%3d" and a text, then the records -----------------------------------------
// A wall holds at most as many layers as the layer list lets the user enter: a longer one would
// take the calculation minutes or hours.
constexpr Field<SectionCount> kLayerCountFields[] {
    IntegerOf<SectionCount, &SectionCount::count, &SectionCount::count>(
        "N=", "N=", 3, 0, kMaxLayerCount),
};

// Materials and ambiances: at least the built-in records, at most kMaxListRecords.
template <int BuiltIn>
constexpr Field<SectionCount> kOwnRecordCountFields[] {
    IntegerOf<SectionCount, &SectionCount::count, &SectionCount::count>(
        "N=", "N=", 3, BuiltIn, kMaxListRecords),
};

// A section of stations is written only when the project has some, so it holds at least one.
constexpr Field<SectionCount> kStationCountFields[] {
    IntegerOf<SectionCount, &SectionCount::count, &SectionCount::count>(
        "N=", "N=", 3, 1, kLastStationIndex - kFirstStationIndex + 1),
};

} // namespace

constexpr SectionLayout<WeatherStation> kStationSection { .recordName = "station météo",
    .list = &KslDoc::stations,
    .countLine = { kStationCountFields, "  : nb de stations meteo" },
    .record = { kStationFields, "" },
    .append = AppendStation };

constexpr SectionLayout<CMaterial> kMaterialSection { .recordName = "matériau",
    .list = &KslDoc::materials,
    .countLine = { kOwnRecordCountFields<kBuiltInMaterialCount>, "  : nb de materiaux" },
    .record = { kMaterialFields, "" },
    .append = AppendMaterial,
    .clear = ClearLibrary };

constexpr SectionLayout<CBCData> kExteriorAmbianceSection { .recordName = "ambiance extérieure",
    .list = &KslDoc::exteriorAmbiances,
    .countLine
    = { kOwnRecordCountFields<kBuiltInExteriorAmbianceCount>, "  : nb de CL exterieures" },
    .record = { kAmbianceFields, "" },
    .append = AppendAmbiance<Side::Exterior> };

constexpr SectionLayout<CBCData> kInteriorAmbianceSection { .recordName = "ambiance intérieure",
    .list = &KslDoc::interiorAmbiances,
    .countLine
    = { kOwnRecordCountFields<kBuiltInInteriorAmbianceCount>, "  : nb de CL interieures" },
    .record = { kAmbianceFields, "" },
    .append = AppendAmbiance<Side::Interior> };

constexpr SectionLayout<NMaterialLayer> kLayerSection { .recordName = "couche",
    .list = &KslDoc::layers,
    .countLine = { kLayerCountFields, " : nb de couches" },
    .record = { kLayerFields, "" },
    .append = AppendLayer };

} // namespace quelvan
