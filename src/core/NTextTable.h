#pragma once

#include "core/ErrorCodes.h"
#include "core/ReadError.h"

#include <string>
#include <vector>

namespace quelvan {

// Rows of text cells read from and written to delimited text files (the hourly results, the
// weather data). Fields are separated by tabs and by the optional separator character.
class NTextTable {
public:
    int RowCount() const { return static_cast<int>(rows_.size()); }
    // -1 when the row is outside the table.
    int CellCount(int row) const;
    void SetRowCount(int n);
    // row < 0: every row.
    void SetCellCount(int row, int n);
    const std::string& Cell(int row, int column) const;
    void SetCell(int row, int column, std::string text);
    void Clear() { rows_.clear(); }

    // Failure::TableSplit after a read that met a line it could not split, else Failure::None.
    Failure ErrorCode() const { return errorCode_; }
    // The row (the file's line, counted from 0) that stopped the last read with it; -1 else.
    int ErrorRow() const { return errorRow_; }
    // Why the last Read gave false (a missing file, a folder or pipe, a file too large...).
    ReadFault FileFault() const { return fileFault_; }
    // Whether the last Read left out a last line that holds text but no line end (a file cut
    // in the middle of its last line, or written without the final line end).
    bool LeftOutUnendedLine() const { return leftOutUnendedLine_; }
    void SetSeparator(char separator) { separator_ = separator; }
    char Separator() const { return separator_; }
    void SetMaxFields(int n) { maxFields_ = n; }

    // Number of lines followed by a line end; -1 when unreadable or 32000 lines or more.
    static int CountLines(const std::string& path);
    // column < 0: every field; column k >= 1: only the k-th field (0 also the first).
    // Returns false (table unchanged) when the file cannot be read; a line that cannot be split
    // as asked sets ErrorCode() to Failure::TableSplit and stops the read with true.
    bool Read(const std::string& path, int column);
    // Splits already decoded lines the same way (used by Read and by the fuzz targets).
    // Every read starts with ErrorCode() at Failure::None; lines of any length are split whole,
    // and a line that stops the read leaves its own row and the later ones empty.
    void ReadLines(const std::vector<std::string>& lines, int column);
    // Cells joined by tabs; with decimalComma every "." becomes ",". Written atomically.
    bool Write(const std::string& path, bool decimalComma) const;
    std::vector<std::string> FormatLines(bool decimalComma) const;

private:
    std::vector<std::vector<std::string>> rows_;
    Failure errorCode_ = Failure::None;
    int errorRow_ = -1;
    ReadFault fileFault_ = ReadFault::Unreadable;
    bool leftOutUnendedLine_ = false;
    char separator_ = 0;
    int maxFields_ = 100;
};

} // namespace quelvan
