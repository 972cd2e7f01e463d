// The project file line by line: the heading, the document's own fields and, in order, the
// sections of materials, ambiances and layers (ProjectRecordLayout.cpp). Integers are
// right-aligned in their widths; value texts too, never cut; names run to the end of their
// lines. Columns follow from the order of the fields: "O=%3d L=%12s" has its L field at
// columns 8-19 because "O=", three columns and " L=" precede it.
#include "persistence/ProjectLayout.h"

#include "model/KslDoc.h"
#include "model/WallTables.h"
#include "persistence/FieldAccess.h"
#include "persistence/ProjectFile.h"

namespace quelvan {

namespace {

using namespace layout;

// --- lines of the document's own fields ---------------------------------------------------
// Ten flags "%2d"; only the first five are read back, the others stay clear as the built-in
// data left them.
template <int K> FieldValue PrintChoiceOf(const KslDoc& d)
{
    return Number(d.printChoices[K] != 0 ? 1 : 0);
}

template <int K> bool SetPrintChoice(KslDoc& d, const FieldValue& v, const KslDoc&)
{
    d.printChoices[K] = v.number != 0 ? 1 : 0;
    return true;
}

template <int K> constexpr Field<KslDoc> PrintChoiceField(std::string_view label)
{
    Field<KslDoc> field = Integer<KslDoc>("", label, 2, PrintChoiceOf<K>, SetPrintChoice<K>);
    field.runOn = false;
    if (K >= 5)
        field.set = nullptr;
    return field;
}

constexpr Field<KslDoc> kPrintChoices[] {
    PrintChoiceField<0>("choix d'impression 1"),
    PrintChoiceField<1>("choix d'impression 2"),
    PrintChoiceField<2>("choix d'impression 3"),
    PrintChoiceField<3>("choix d'impression 4"),
    PrintChoiceField<4>("choix d'impression 5"),
    PrintChoiceField<5>("choix d'impression 6"),
    PrintChoiceField<6>("choix d'impression 7"),
    PrintChoiceField<7>("choix d'impression 8"),
    PrintChoiceField<8>("choix d'impression 9"),
    PrintChoiceField<9>("choix d'impression 10"),
};

FieldValue PrintChoiceCount(const KslDoc&)
{
    return Number(KslDoc::kPrintChoiceCount);
}

FieldValue TemperatureModeOf(const KslDoc& d)
{
    return Number(static_cast<int>(d.initialTemperatureMode));
}

bool SetTemperatureMode(KslDoc& d, const FieldValue& v, const KslDoc&)
{
    const auto mode = InitialTemperatureFromCode(v.number);
    if (mode)
        d.initialTemperatureMode = *mode;
    return mode.has_value();
}

// An angle that is not in its table is refused rather than replaced by a default: the user
// would otherwise compute another wall without being told. An index outside the table is
// written as the default angle, so the comparison looks at the index.
bool SetAzimuth(KslDoc& d, const FieldValue& v, const KslDoc&)
{
    d.azimuthIndex = AzimuthIndexOf(v.number);
    return d.azimuthIndex >= 0;
}

bool SetInclination(KslDoc& d, const FieldValue& v, const KslDoc&)
{
    d.inclinationIndex = InclinationIndexOf(v.number);
    return d.inclinationIndex >= 0;
}

// "<key>=%12d :" and "<key>=%12s :" lines.
constexpr Field<KslDoc> IntegerLine(std::string_view key, Getter<KslDoc> get, Setter<KslDoc> set,
    Getter<KslDoc> compareAs = nullptr)
{
    Field<KslDoc> field = Integer<KslDoc>(key, key, 12, get, set);
    field.compareAs = compareAs;
    return field;
}

// The surface texts of the project (absorption coefficients and surface resistances).
template <auto Member> FieldValue SurfaceTextOf(const KslDoc& d)
{
    return Text(d.surfaces.*Member);
}

template <auto Member> bool SetSurfaceText(KslDoc& d, const FieldValue& v, const KslDoc&)
{
    d.surfaces.*Member = v.text;
    return true;
}

template <auto Member> constexpr Field<KslDoc> TextLine(std::string_view key)
{
    return { .prefix = key,
        .label = key,
        .width = 12,
        .get = SurfaceTextOf<Member>,
        .set = SetSurfaceText<Member> };
}

// A selection names an ambiance of its list (read before it), or is -1, what the form stores
// when its list has no choice; any other number would leave the calculation without an ambiance.
template <auto Member, Side S> bool SetSelection(KslDoc& d, const FieldValue& v, const KslDoc& read)
{
    d.*Member = v.number;
    return v.number == -1 || read.AmbianceNumbered(S, v.number) != nullptr;
}

template <auto Member, Side S> constexpr Field<KslDoc> SelectionLine()
{
    Field<KslDoc> field = IntegerLine("C=", NumberOf<KslDoc, Member>, SetSelection<Member, S>);
    field.refusal = ReadFault::UnknownAmbiance;
    return field;
}

constexpr Field<KslDoc> kAuthor[] {
    NameOf<KslDoc, &KslDoc::author, &KslDoc::author>("", "auteur", Need::Optional),
};
constexpr Field<KslDoc> kReference[] {
    NameOf<KslDoc, &KslDoc::reference, &KslDoc::reference>("", "référence", Need::Optional),
};
constexpr Field<KslDoc> kPrintChoiceCount[] { IntegerLine("N=", PrintChoiceCount, nullptr) };
constexpr Field<KslDoc> kTemperatureMode[] {
    IntegerLine("T=", TemperatureModeOf, SetTemperatureMode),
};
constexpr Field<KslDoc> kAzimuth[] { IntegerLine("A=", NumberOf<KslDoc, &KslDoc::AzimuthDegrees>,
    SetAzimuth, NumberOf<KslDoc, &KslDoc::azimuthIndex>) };
constexpr Field<KslDoc> kInclination[] { IntegerLine(
    "I=", NumberOf<KslDoc, &KslDoc::InclinationDegrees>, SetInclination,
    NumberOf<KslDoc, &KslDoc::inclinationIndex>) };
constexpr Field<KslDoc> kAbsorptionInterior[] { TextLine<&SurfaceTexts::absorptionInterior>("a=") };
constexpr Field<KslDoc> kAbsorptionExterior[] { TextLine<&SurfaceTexts::absorptionExterior>("a=") };
constexpr Field<KslDoc> kResistanceInterior[] { TextLine<&SurfaceTexts::resistanceInterior>("h=") };
constexpr Field<KslDoc> kResistanceExterior[] { TextLine<&SurfaceTexts::resistanceExterior>("h=") };
// The selected ambiances, as indices (identifier minus 4001).
constexpr Field<KslDoc> kSelectedExterior[] {
    SelectionLine<&KslDoc::selectedExterior, Side::Exterior>(),
};
constexpr Field<KslDoc> kSelectedInterior[] {
    SelectionLine<&KslDoc::selectedInterior, Side::Interior>(),
};

constexpr LineLayout<KslDoc> kAuthorLine { kAuthor, "" };
constexpr LineLayout<KslDoc> kReferenceLine { kReference, "" };
constexpr LineLayout<KslDoc> kPrintChoiceCountLine { kPrintChoiceCount, " :" };
constexpr LineLayout<KslDoc> kPrintChoiceLine { kPrintChoices, "" };
constexpr LineLayout<KslDoc> kTemperatureModeLine { kTemperatureMode, " :" };
constexpr LineLayout<KslDoc> kAzimuthLine { kAzimuth, " :" };
constexpr LineLayout<KslDoc> kInclinationLine { kInclination, " :" };
constexpr LineLayout<KslDoc> kAbsorptionInteriorLine { kAbsorptionInterior, " :" };
constexpr LineLayout<KslDoc> kAbsorptionExteriorLine { kAbsorptionExterior, " :" };
constexpr LineLayout<KslDoc> kResistanceInteriorLine { kResistanceInterior, " :" };
constexpr LineLayout<KslDoc> kResistanceExteriorLine { kResistanceExterior, " :" };
constexpr LineLayout<KslDoc> kSelectedExteriorLine { kSelectedExterior, " :" };
constexpr LineLayout<KslDoc> kSelectedInteriorLine { kSelectedInterior, " :" };

} // namespace

std::span<const LayoutItem> ProjectFileLayout()
{
    static const std::string kSeparator(60, '=');
    // Imported weather stations come before the ambiances that name them.
    static const OptionalSection<WeatherStation> kStations { &kStationSection,
        "nb de stations meteo", kSeparator };
    // The vapour data follow the materials they name; both sections are optional, each told
    // from the next by its count line.
    static const OptionalSection<MaterialVapour> kVapour { &kVapourSection,
        "nb de materiaux avec vapeur", kSeparator };
    static const OptionalSection<MoistureSettings> kMoisture { &kMoistureSection,
        "nb de reglages d'humidite", kSeparator };
    static const std::string kVersionLine = std::string(kProjectVersion) + ": numero de version";
    // The version line and the two title lines are never checked.
    static const LayoutItem kFile[] {
        FixedLine { kVersionLine },
        &kAuthorLine,
        &kReferenceLine,
        FixedLine { "titre3" },
        FixedLine { "titre4" },
        FixedLine { kSeparator },
        &kPrintChoiceCountLine,
        &kPrintChoiceLine,
        FixedLine { kSeparator },
        &kMaterialSection,
        FixedLine { kSeparator },
        &kVapour,
        &kMoisture,
        &kStations,
        &kExteriorAmbianceSection,
        FixedLine { kSeparator },
        &kInteriorAmbianceSection,
        FixedLine { kSeparator },
        &kTemperatureModeLine,
        FixedLine { kSeparator },
        &kAzimuthLine,
        &kInclinationLine,
        &kAbsorptionInteriorLine,
        &kAbsorptionExteriorLine,
        &kResistanceInteriorLine,
        &kResistanceExteriorLine,
        &kSelectedExteriorLine,
        &kSelectedInteriorLine,
        FixedLine { kSeparator },
        &kLayerSection,
        // Nothing after the layers is read.
        FixedLine { kSeparator, false },
    };
    return kFile;
}

} // namespace quelvan
