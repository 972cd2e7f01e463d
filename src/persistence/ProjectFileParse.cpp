// Reading side of the project file: the lines of the layout, in order, cut out of their
// columns. Each section (materials, ambiances, layers) is replaced by the records its count
// line announces. The first fault stops the read and says where it is.
#include "core/NumberText.h"
#include "model/KslDoc.h"
#include "persistence/FixedColumns.h"
#include "persistence/ProjectFile.h"
#include "persistence/ProjectLayout.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <variant>

namespace quelvan {

namespace {

// ParseInt, limited to nine digits so that no value can overflow: a longer number is out of
// range, anything else that ParseInt refuses is not a number.
std::variant<int, ReadFault> ReadInteger(std::string_view text)
{
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    if (std::ranges::count_if(text, isDigit) > 9) {
        const std::string_view magnitude = text.substr(text.starts_with('-') ? 1 : 0);
        return std::ranges::all_of(magnitude, isDigit) ? ReadFault::OutOfRange
                                                       : ReadFault::NotANumber;
    }
    int value = 0;
    if (!ParseInt(text, value))
        return ReadFault::NotANumber;
    return value;
}

// Cuts one field out of its line at column (counted from 0, before any run-on of the fields
// to its left) and stores it into the record; the reason when the line cannot hold it.
template <typename R>
std::optional<ReadFault> ReadField(const Field<R>& field, int column, FixedColumnLine& line,
    R& record, const KslDoc& read, FieldValue& value)
{
    if (field.kind == FieldKind::Rest) {
        if (field.set == nullptr)
            return std::nullopt;
        if (field.need == Need::Required && !line.Reaches(column))
            return ReadFault::LineTooShort;
        value.text = line.Rest(column);
    } else {
        const bool reached = line.Reaches(column + 1);
        value.text = line.Field(column, field.width, field.runOn);
        if (field.set == nullptr)
            return std::nullopt;
        if (field.kind == FieldKind::Flag) {
            value.number = value.text == "1" ? 1 : 0;
        } else if (field.kind == FieldKind::Integer) {
            const std::variant<int, ReadFault> number = ReadInteger(value.text);
            const int* parsed = std::get_if<int>(&number);
            if (field.need == Need::Required) {
                if (!reached)
                    return ReadFault::LineTooShort;
                if (parsed == nullptr)
                    return std::get<ReadFault>(number);
                if (*parsed < field.low || *parsed > field.high)
                    return ReadFault::OutOfRange;
            }
            value.number = parsed != nullptr ? *parsed : 0;
        }
    }
    if (!field.set(record, value, read))
        return field.refusal;
    return std::nullopt;
}

// "de 0 à 7" for an Integer field with limits; empty for one without.
template <typename R> std::string LimitsText(const Field<R>& field)
{
    constexpr int kNone = std::numeric_limits<int>::max();
    if (field.low <= -kNone && field.high >= kNone)
        return {};
    return "de " + std::to_string(field.low) + " à " + std::to_string(field.high);
}

class ProjectReader {
public:
    ProjectReader(KslDoc& doc, const std::vector<std::string>& lines)
        : doc_(doc)
        , lines_(lines)
    {
    }

    const ReadError& Error() const { return error_; }

    bool operator()(const FixedLine& fixed) { return !fixed.read || Next() != nullptr; }
    bool operator()(const LineLayout<KslDoc>* layout) { return ReadLine(*layout, doc_); }
    template <typename R> bool operator()(const SectionLayout<R>* section)
    {
        SectionCount count;
        if (!ReadLine(section->countLine, count))
            return false;
        if (section->clear != nullptr)
            section->clear(doc_);
        (doc_.*(section->list)).Clear();
        for (int i = 0; i < count.count; ++i)
            if (!ReadLine(section->record, section->append(doc_)))
                return false;
        return true;
    }
    template <typename R> bool operator()(const OptionalSection<R>* optional)
    {
        (doc_.*(optional->section->list)).Clear();
        const auto next = static_cast<size_t>(lineNumber_);
        if (next >= lines_.size() || !lines_[next].starts_with("N=")
            || lines_[next].find(optional->mark) == std::string::npos)
            return true;
        return (*this)(optional->section) && Next() != nullptr;
    }

private:
    // The next line; null, with the fault, when the file ends or the line is too long.
    const std::string* Next()
    {
        const int number = ++lineNumber_;
        if (static_cast<size_t>(number) > lines_.size())
            return Fail({}, ReadFault::MissingLine);
        const std::string& line = lines_[static_cast<size_t>(number - 1)];
        if (CharacterCount(line) > kMaxProjectLineLength)
            return Fail({}, ReadFault::LineTooLong);
        return &line;
    }

    template <typename R> bool ReadLine(const LineLayout<R>& layout, R& record)
    {
        const std::string* text = Next();
        if (text == nullptr)
            return false;
        FixedColumnLine line(*text);
        int column = 0;
        for (const Field<R>& field : layout.fields) {
            column += static_cast<int>(field.prefix.size());
            FieldValue value;
            if (const auto fault = ReadField(field, column, line, record, doc_, value)) {
                Fail(field.label, *fault);
                if (*fault == ReadFault::OutOfRange)
                    error_.limits = LimitsText(field);
                if (*fault == ReadFault::DuplicateIdentifier)
                    error_.value = value.text;
                return false;
            }
            column += field.width;
        }
        return true;
    }

    const std::string* Fail(std::string_view field, ReadFault fault)
    {
        error_ = { {}, lineNumber_, std::string(field), fault, {} };
        return nullptr;
    }

    KslDoc& doc_;
    const std::vector<std::string>& lines_;
    int lineNumber_ = 0; // of the last line taken, counted from 1
    ReadError error_;
};

} // namespace

Failure ParseProjectLines(KslDoc& doc, const std::vector<std::string>& lines, ReadError* error)
{
    ProjectReader reader(doc, lines);
    for (const LayoutItem& item : ProjectFileLayout()) {
        if (!std::visit(reader, item)) {
            if (error != nullptr)
                *error = reader.Error();
            return Failure::General;
        }
    }
    return Failure::None;
}

} // namespace quelvan
