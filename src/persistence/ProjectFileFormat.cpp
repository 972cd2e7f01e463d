// Writing side of the project file: every line of the layout as the fixed-width formats print
// it.
#include "core/NumberText.h"
#include "core/TextTrim.h"
#include "model/KslDoc.h"
#include "persistence/FixedColumns.h"
#include "persistence/ProjectFile.h"
#include "persistence/ProjectLayout.h"

namespace quelvan {

namespace {

template <typename R> std::string FormatField(const Field<R>& field, const R& record)
{
    const FieldValue value = field.get(record);
    switch (field.kind) {
    case FieldKind::Integer:
    case FieldKind::Flag:
        return FormatInt(("%" + std::to_string(field.width) + "d").c_str(), value.number);
    case FieldKind::Text:
        // The reader trims every field, so blanks around a value are never part of it in the
        // file; writing them would only push the following columns.
        return PadLeft(TrimBlanks(value.text), field.width);
    case FieldKind::Code:
        return PadLeft(value.text, field.width);
    case FieldKind::Rest:
        break;
    }
    return value.text;
}

template <typename R> std::string FormatLine(const LineLayout<R>& layout, const R& record)
{
    std::string line;
    for (const Field<R>& field : layout.fields)
        line.append(field.prefix).append(FormatField(field, record));
    return line.append(layout.suffix);
}

struct LineWriter {
    const KslDoc& doc;
    std::vector<std::string>& lines;

    void operator()(const FixedLine& fixed) { lines.emplace_back(fixed.text); }
    void operator()(const LineLayout<KslDoc>* layout) { lines.push_back(FormatLine(*layout, doc)); }
    template <typename R> void operator()(const SectionLayout<R>* section)
    {
        const NList<R>& list = doc.*(section->list);
        lines.push_back(FormatLine(section->countLine, SectionCount { list.Count() }));
        for (const R& record : list)
            lines.push_back(FormatLine(section->record, record));
    }
    template <typename R> void operator()(const OptionalSection<R>* optional)
    {
        if ((doc.*(optional->section->list)).IsEmpty())
            return;
        (*this)(optional->section);
        lines.emplace_back(optional->separator);
    }
};

} // namespace

std::vector<std::string> FormatProjectLines(const KslDoc& doc)
{
    std::vector<std::string> lines;
    LineWriter writer { doc, lines };
    for (const LayoutItem& item : ProjectFileLayout())
        std::visit(writer, item);
    return lines;
}

} // namespace quelvan
