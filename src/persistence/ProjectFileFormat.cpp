// Writing side of the project file: every line as the fixed-width formats print it.
#include "persistence/ProjectFile.h"

#include "core/NumberText.h"
#include "core/TextTrim.h"
#include "model/KslDoc.h"
#include "persistence/FixedColumns.h"

namespace quelvan {

namespace {

const std::string kSeparator(60, '=');

// "%<width>d", locale-free.
std::string Int(int value, int width)
{
    const std::string format = "%" + std::to_string(width) + "d";
    return FormatInt(format.c_str(), value);
}

// "%<width>s" of a value text. The reader trims every field, so blanks around a value are
// never part of it in the file; writing them would only push the following columns.
std::string Text(const std::string& value, int width)
{
    return PadLeft(TrimBlanks(value), width);
}

std::string MaterialLine(const CMaterial& material)
{
    const Colour colour = material.GetColour();
    return "O=" + Int(material.LibraryIndex(), 3) + " L=" + Text(material.Conductivity(), 12)
        + " R=" + Text(material.Density(), 12) + " C=" + Text(material.Capacity(), 12)
        + " C=" + Int(RedOf(colour), 3) + Int(GreenOf(colour), 3) + Int(BlueOf(colour), 3)
        + " N=" + material.Name();
}

std::string AmbianceLine(const CBCData& record)
{
    std::string line = "O=" + Int(record.Index(), 3) + " " + Int(record.weatherFlag ? 1 : 0, 1)
        + " " + Int(record.cityIndex, 2) + " " + Int(record.firstDay, 3) + " "
        + Int(PeriodDays(record.weatherPeriod), 1) + " ";
    line += PadLeft(ProfileTypeKeyword(record.temperature.type), 2) + " "
        + Int(PeriodDays(record.temperature.period), 2);
    for (const std::string& value : record.temperature.values)
        line += " " + Text(value, 4);
    line += " " + PadLeft(ProfileTypeKeyword(record.flux.type), 2) + " "
        + Int(PeriodDays(record.flux.period), 2);
    for (const std::string& value : record.flux.values)
        line += " " + Text(value, 5);
    return line + " N=" + record.Name();
}

std::string LayerLine(const NMaterialLayer& layer)
{
    const CMaterial* material = layer.Material();
    // A layer without material cannot be stored: -1 names no material and the check made
    // before writing refuses the project.
    const int index = material != nullptr ? material->LibraryIndex() : -1;
    const std::string name = material != nullptr ? material->Name() : std::string();
    return "L=" + Text(layer.Thickness(), 12) + " I=" + Int(index, 3) + " M=" + name;
}

void AddAmbianceSection(std::vector<std::string>& lines, const KslDoc& doc, Side side)
{
    const NList<CBCData>& list = doc.Ambiances(side);
    lines.push_back("N=" + Int(list.Count(), 3) + "  : " + Describe(side).countLabel);
    for (const CBCData& record : list)
        lines.push_back(AmbianceLine(record));
    lines.push_back(kSeparator);
}

std::string ValueLine(char key, const std::string& field)
{
    return std::string { key, '=' } + field + " :";
}

} // namespace

std::vector<std::string> FormatProjectLines(const KslDoc& doc)
{
    std::vector<std::string> lines;
    lines.push_back(std::string(kProjectVersion) + ": numero de version");
    lines.push_back(doc.author);
    lines.push_back(doc.reference);
    lines.push_back("titre3");
    lines.push_back("titre4");
    lines.push_back(kSeparator);
    lines.push_back(ValueLine('N', Int(KslDoc::kPrintChoiceCount, 12)));
    std::string flags;
    for (const std::uint8_t flag : doc.printChoices)
        flags += Int(flag, 2);
    lines.push_back(flags);
    lines.push_back(kSeparator);

    lines.push_back("N=" + Int(doc.materials.Count(), 3) + "  : nb de materiaux");
    for (const CMaterial& material : doc.materials)
        lines.push_back(MaterialLine(material));
    lines.push_back(kSeparator);
    AddAmbianceSection(lines, doc, Side::Exterior);
    AddAmbianceSection(lines, doc, Side::Interior);

    lines.push_back(ValueLine('T', Int(static_cast<int>(doc.initialTemperatureMode), 12)));
    lines.push_back(kSeparator);
    lines.push_back(ValueLine('A', Int(doc.AzimuthDegrees(), 12)));
    lines.push_back(ValueLine('I', Int(doc.InclinationDegrees(), 12)));
    lines.push_back(ValueLine('a', Text(doc.surfaces.absorptionInterior, 12)));
    lines.push_back(ValueLine('a', Text(doc.surfaces.absorptionExterior, 12)));
    lines.push_back(ValueLine('h', Text(doc.surfaces.resistanceInterior, 12)));
    lines.push_back(ValueLine('h', Text(doc.surfaces.resistanceExterior, 12)));
    lines.push_back(ValueLine('C', Int(doc.selectedExterior, 12)));
    lines.push_back(ValueLine('C', Int(doc.selectedInterior, 12)));
    lines.push_back(kSeparator);

    lines.push_back("N=" + Int(doc.layers.Count(), 3) + " : nb de couches");
    for (const NMaterialLayer& layer : doc.layers)
        lines.push_back(LayerLine(layer));
    lines.push_back(kSeparator);
    return lines;
}

} // namespace quelvan
