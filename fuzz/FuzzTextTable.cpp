// The text-table reader on arbitrary file bytes, all fields or one column, with or without a
// separator: the table never has more rows than lines, a written table reads back, and the
// decoded text survives being encoded for a file.
#include "FuzzTargets.h"

#include "core/NTextTable.h"
#include "core/TextFile.h"

namespace quelvan::fuzz {

int FuzzTextTable(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const int column = static_cast<int>(input.Byte() % 12) - 1; // -1 (every field) .. 10
    const std::uint8_t separatorChoice = input.Byte();
    const int maxFields = static_cast<int>(input.Byte()) - 8; // also 0 and negative
    static constexpr char kSeparators[] = { 0, ';', ',', ' ', '.' };
    const char separator = separatorChoice < sizeof kSeparators
        ? kSeparators[separatorChoice]
        : static_cast<char>(separatorChoice);

    // Whatever a file decodes to is stored so that it decodes to the same text again.
    const std::string decoded = DecodeFromFile(input.Rest());
    if (DecodeFromFile(EncodeForFile(decoded)) != decoded)
        ReportBrokenInvariant("a decoded text changes once encoded and decoded again");

    const std::vector<std::string> lines = DecodedLines(input.Rest());
    NTextTable table;
    table.SetSeparator(separator);
    table.SetMaxFields(maxFields);
    table.ReadLines(lines, column);
    if (table.RowCount() > static_cast<int>(lines.size()))
        ReportBrokenInvariant("more rows than lines");
    if (table.ErrorCode() != Failure::None && table.ErrorCode() != Failure::TableSplit)
        ReportBrokenInvariant("unknown error code");
    for (int r = -1; r <= table.RowCount(); ++r) {
        const int cells = table.CellCount(r);
        if ((r < 0 || r == table.RowCount()) != (cells == -1))
            ReportBrokenInvariant("CellCount inside/outside the table");
        if (column >= 0 && table.ErrorCode() == Failure::None && cells != 1 && cells != -1)
            ReportBrokenInvariant("a one-column read gave several cells");
        for (int c = -1; c <= cells; ++c)
            (void)table.Cell(r, c).size();
    }

    // Read again with the same table: the outcome of a read does not depend on the last one.
    NTextTable fresh;
    fresh.SetSeparator(separator);
    fresh.SetMaxFields(maxFields);
    fresh.ReadLines(lines, column);
    table.ReadLines(lines, column);
    if (fresh.ErrorCode() != table.ErrorCode()
        || fresh.FormatLines(false) != table.FormatLines(false))
        ReportBrokenInvariant("a second read differs from a first one");

    // A table read whole (no separator, no error) reads back from its written lines with the
    // same rows and cells.
    if (column < 0 && separator == 0 && table.ErrorCode() == Failure::None) {
        NTextTable again;
        again.SetMaxFields(maxFields);
        again.ReadLines(table.FormatLines(false), -1);
        if (again.ErrorCode() != Failure::None || again.RowCount() != table.RowCount())
            ReportBrokenInvariant("a written table does not read back");
        for (int r = 0; r < table.RowCount(); ++r) {
            if (again.CellCount(r) != table.CellCount(r))
                ReportBrokenInvariant("a written row reads back with other cells");
        }
    }
    (void)table.FormatLines(true);
    return 0;
}

} // namespace quelvan::fuzz
