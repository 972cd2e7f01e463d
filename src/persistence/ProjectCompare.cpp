// Comparison of the project data that the project file stores, used to check that a file
// reads back before it replaces the previous one: every field of the layout that the reader
// stores, compared as the file keeps it.
#include "core/TextTrim.h"
#include "model/KslDoc.h"
#include "persistence/ProjectFile.h"
#include "persistence/ProjectLayout.h"

namespace quelvan {

namespace {

// Collects the first difference between two documents.
class Comparison {
public:
    Comparison(const KslDoc& a, const KslDoc& b, std::string* difference)
        : a_(a)
        , b_(b)
        , difference_(difference)
    {
    }

    bool Same() const { return same_; }

    void operator()(const FixedLine&) { }
    void operator()(const LineLayout<KslDoc>* layout) { Line(*layout, a_, b_, {}); }
    template <typename R> void operator()(const SectionLayout<R>* section)
    {
        const NList<R>& x = a_.*(section->list);
        const NList<R>& y = b_.*(section->list);
        const std::string name(section->recordName);
        if (x.Count() != y.Count())
            Differ("nombre de lignes " + name);
        for (int i = 0; same_ && i < x.Count(); ++i)
            Line(section->record, x.At(i), y.At(i), name + " " + std::to_string(i + 1) + ", ");
    }
    template <typename R> void operator()(const OptionalSection<R>* optional)
    {
        (*this)(optional->section);
    }

private:
    template <typename R>
    void Line(const LineLayout<R>& layout, const R& x, const R& y, const std::string& where)
    {
        for (const Field<R>& field : layout.fields) {
            if (!same_ || field.set == nullptr) // a field never read back is not kept
                continue;
            const auto key = field.compareAs != nullptr ? field.compareAs : field.get;
            const FieldValue u = key(x);
            const FieldValue v = key(y);
            // Value texts lose their surrounding blanks in the fixed columns.
            const bool same = field.kind == FieldKind::Text
                ? TrimBlanks(u.text) == TrimBlanks(v.text)
                : u.number == v.number && u.text == v.text;
            if (!same)
                Differ(where + "champ " + std::string(field.label));
        }
    }

    void Differ(const std::string& what)
    {
        same_ = false;
        if (difference_ != nullptr)
            *difference_ = what;
    }

    const KslDoc& a_;
    const KslDoc& b_;
    std::string* difference_;
    bool same_ = true;
};

} // namespace

bool SameProjectData(const KslDoc& a, const KslDoc& b, std::string* difference)
{
    Comparison comparison(a, b, difference);
    for (const LayoutItem& item : ProjectFileLayout())
        std::visit(comparison, item);
    return comparison.Same();
}

} // namespace quelvan
