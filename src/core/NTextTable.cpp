#include "NTextTable.h"

#include "TextFile.h"

namespace quelvan {

namespace {

constexpr int kMaxLines = 32000;

const std::string& EmptyText()
{
    static const std::string empty;
    return empty;
}

// Splits a line into fields ended by a tab or by the separator (0: no separator); the end
// of the line ends the last field, so "a\tb" gives two fields and "" one empty field.
// Stops after maxFields fields (the caller only needs to know that there are that many).
std::vector<std::string> SplitFields(const std::string& line, char separator, size_t maxFields)
{
    std::vector<std::string> fields;
    std::string current;
    for (const char c : line) {
        if (c == '\t' || (separator != 0 && c == separator)) {
            fields.push_back(std::move(current));
            current.clear();
            if (fields.size() >= maxFields)
                return fields;
        } else {
            current.push_back(c);
        }
    }
    fields.push_back(std::move(current));
    return fields;
}

// Number of lines that a line end follows, or -1 when there are 32000 or more.
int CompleteLineCount(const TextLines& text)
{
    size_t n = text.lines.size();
    if (!text.lastLineEnded && n > 0)
        --n;
    return n >= static_cast<size_t>(kMaxLines) ? -1 : static_cast<int>(n);
}

} // namespace

int NTextTable::CellCount(int row) const
{
    if (row < 0 || row >= RowCount())
        return -1;
    return static_cast<int>(rows_[static_cast<size_t>(row)].size());
}

void NTextTable::SetRowCount(int n)
{
    rows_.resize(static_cast<size_t>(n < 0 ? 0 : n));
}

void NTextTable::SetCellCount(int row, int n)
{
    const size_t count = static_cast<size_t>(n < 0 ? 0 : n);
    if (row < 0) {
        for (auto& cells : rows_)
            cells.resize(count);
    } else if (row < RowCount()) {
        rows_[static_cast<size_t>(row)].resize(count);
    }
}

const std::string& NTextTable::Cell(int row, int column) const
{
    if (row < 0 || row >= RowCount() || column < 0)
        return EmptyText();
    const auto& cells = rows_[static_cast<size_t>(row)];
    if (column >= static_cast<int>(cells.size()))
        return EmptyText();
    return cells[static_cast<size_t>(column)];
}

void NTextTable::SetCell(int row, int column, std::string text)
{
    // Outside the table the cell is created rather than written to unowned memory.
    if (row < 0 || column < 0)
        return;
    if (row >= RowCount())
        rows_.resize(static_cast<size_t>(row) + 1);
    auto& cells = rows_[static_cast<size_t>(row)];
    if (column >= static_cast<int>(cells.size()))
        cells.resize(static_cast<size_t>(column) + 1);
    cells[static_cast<size_t>(column)] = std::move(text);
}

int NTextTable::CountLines(const std::string& path)
{
    const std::optional<TextLines> text = ReadTextLines(path);
    if (!text)
        return -1;
    return CompleteLineCount(*text);
}

bool NTextTable::Read(const std::string& path, int column)
{
    TextFileRead file = ReadTextFile(path);
    fileFault_ = file.fault;
    std::optional<TextLines>& text = file.text;
    if (!text)
        return false;
    const int n = CompleteLineCount(*text);
    if (n < 0)
        return false;
    leftOutUnendedLine_ = static_cast<size_t>(n) < text->lines.size()
        && text->lines.back().find_first_not_of(" \t\r") != std::string::npos;
    text->lines.resize(static_cast<size_t>(n)); // a last line without line end is not read
    ReadLines(text->lines, column);
    return true;
}

void NTextTable::ReadLines(const std::vector<std::string>& lines, int column)
{
    // Each read reports its own outcome.
    errorCode_ = Failure::None;
    errorRow_ = -1;
    rows_.assign(lines.size(), {});
    const size_t maxFields = static_cast<size_t>(maxFields_ < 1 ? 1 : maxFields_);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (column < 0) {
            std::vector<std::string> fields = SplitFields(lines[i], separator_, maxFields);
            if (fields.size() >= maxFields) {
                errorCode_ = Failure::TableSplit;
                errorRow_ = static_cast<int>(i);
                return;
            }
            rows_[i] = std::move(fields);
        } else {
            const size_t wanted = static_cast<size_t>(column == 0 ? 1 : column);
            std::vector<std::string> fields = SplitFields(lines[i], separator_, wanted);
            if (fields.size() < wanted) {
                errorCode_ = Failure::TableSplit;
                errorRow_ = static_cast<int>(i);
                return;
            }
            rows_[i].clear();
            rows_[i].push_back(std::move(fields[wanted - 1]));
        }
    }
    // Decimal comma to decimal point, once per cell.
    for (auto& cells : rows_) {
        for (auto& cell : cells) {
            const size_t comma = cell.find(',');
            if (comma != std::string::npos)
                cell[comma] = '.';
        }
    }
}

bool NTextTable::Write(const std::string& path, bool decimalComma) const
{
    if (path.empty())
        return false;
    return WriteTextLines(path, FormatLines(decimalComma));
}

std::vector<std::string> NTextTable::FormatLines(bool decimalComma) const
{
    std::vector<std::string> lines;
    lines.reserve(rows_.size());
    for (const auto& cells : rows_) {
        std::string line;
        for (size_t c = 0; c < cells.size(); ++c) {
            if (c > 0)
                line.push_back('\t');
            line += cells[c];
        }
        if (decimalComma) {
            for (char& ch : line) {
                if (ch == '.')
                    ch = ',';
            }
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace quelvan
