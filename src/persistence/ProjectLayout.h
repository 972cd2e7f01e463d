#pragma once

// The project file's layout, declared once: every line of the file in order and, for each line,
// its fields with their columns, kinds and the record values they hold. The writer, the reader
// and the comparison made before saving all walk this declaration (ProjectLayout.cpp for the
// order of the lines and the document's own fields, ProjectRecordLayout.cpp for the material,
// ambiance and layer lines).
#include "core/NList.h"
#include "core/ReadError.h"

#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace quelvan {

class KslDoc;
class CMaterial;
class CBCData;
class NMaterialLayer;
struct WeatherStation;
struct MaterialVapour;
struct MoistureSettings;

// How a field's value is written and read.
enum class FieldKind : std::uint8_t {
    Integer, // "%<width>d"; read with ParseInt, at most nine digits
    Flag, // "%<width>d" of 0 or 1; reads as 1 only from the text "1"
    Text, // a typed value, "%<width>s" without its surrounding blanks; read trimmed
    Code, // a keyword right-aligned in its width; read trimmed
    Rest, // the rest of the line, kept exactly (names, author, reference)
};

// What a line must hold in a field for the line to read.
enum class Need : std::uint8_t {
    Optional, // an Integer that is not a number reads as 0; a missing Rest reads as empty
    Required, // an Integer must read and lie in its limits; the line must reach a Rest
};

// A field's value in memory: the number of Integer and Flag fields, the text of the others.
struct FieldValue {
    int number = 0;
    std::string text;
};

// One field of a line and how it maps to its record R. A field starts right after the previous
// field and its own prefix, so the columns follow from the order and the widths.
template <typename R> struct Field {
    std::string_view prefix; // written before the value: "O=", " L=", " "
    std::string_view label; // names the field in messages: "L=", "ville"
    FieldKind kind = FieldKind::Text;
    int width = 0; // columns of the value; none for Rest
    // The writer never cuts a value, so one longer than its width pushes the rest of its line:
    // a field followed by a blank in the format runs on to the next blank when read.
    bool runOn = true;
    FieldValue (*get)(const R&) = nullptr;
    // Stores a value read into the record (the document being read gives the context); false
    // refuses it for the reason `refusal`. Null: written, never read, never compared.
    bool (*set)(R&, const FieldValue&, const KslDoc& read) = nullptr;
    Need need = Need::Optional;
    int low = std::numeric_limits<int>::min(); // limits of a Required Integer
    int high = std::numeric_limits<int>::max();
    ReadFault refusal = ReadFault::NotInTable;
    // What the comparison made before saving looks at when the written value does not say
    // everything (an angle outside its table is written as the default angle). Null: get.
    FieldValue (*compareAs)(const R&) = nullptr;
};

// The fields of one line, then the text written after them.
template <typename R> struct LineLayout {
    std::span<const Field<R>> fields;
    std::string_view suffix;
};

// A line written as it stands and skipped when read (the reader requires it to be there unless
// `read` is false).
struct FixedLine {
    std::string_view text;
    bool read = true;
};

// The count line of a section.
struct SectionCount {
    int count = 0;
};

// A count line, then one line per record of a list of the document. The reader empties the
// list and appends one record for each line that the count announces: the layers, and the
// materials and ambiances, built-in ones and the user's own alike. The count's limits refuse a
// file that announces fewer materials or ambiances than a new project has.
template <typename R> struct SectionLayout {
    std::string_view recordName; // names a record in the comparison's messages
    NList<R> KslDoc::*list;
    LineLayout<SectionCount> countLine;
    LineLayout<R> record;
    // Appends an empty record for a line to fill.
    R& (*append)(KslDoc&) = nullptr;
    // Empties the list before its lines are read; null: the list alone.
    void (*clear)(KslDoc&) = nullptr;
};

// A section that only some files hold, with the separator that follows it: written only when
// its list holds records, so that a project without them keeps the bytes it always had, and
// read only when the next line is its count line, which `mark` (a text of the count line's
// suffix) tells from the count line of the section that follows.
template <typename R> struct OptionalSection {
    const SectionLayout<R>* section;
    std::string_view mark;
    std::string_view separator;
};

// One item of the file, in file order.
using LayoutItem = std::variant<FixedLine, const LineLayout<KslDoc>*,
    const SectionLayout<CMaterial>*, const SectionLayout<CBCData>*,
    const SectionLayout<NMaterialLayer>*, const OptionalSection<WeatherStation>*,
    const OptionalSection<MaterialVapour>*, const OptionalSection<MoistureSettings>*>;

// The whole file, in order.
std::span<const LayoutItem> ProjectFileLayout();

// The sections of records, for whoever needs one of them alone.
extern const SectionLayout<CMaterial> kMaterialSection;
extern const SectionLayout<CBCData> kExteriorAmbianceSection;
extern const SectionLayout<CBCData> kInteriorAmbianceSection;
extern const SectionLayout<NMaterialLayer> kLayerSection;
extern const SectionLayout<WeatherStation> kStationSection;
// The moisture check's sections (ProjectMoistureLayout.cpp).
extern const SectionLayout<MaterialVapour> kVapourSection;
extern const SectionLayout<MoistureSettings> kMoistureSection;

} // namespace quelvan
