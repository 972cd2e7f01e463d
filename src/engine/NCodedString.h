#pragma once

#include "core/ErrorCodes.h"
#include "core/NTextTable.h"
#include "core/PhysicalBounds.h"
#include "core/ReadError.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quelvan {

struct SharedTable;

// A time profile: a code text describing the data (layout in time, unit, optional multiplier,
// optional data file and column) and, once finalised, a table of segments with a start and an
// end value each. Evaluation interpolates inside the segment that holds the time, the table
// repeating itself outside its own span.
//
// The code: an optional multiplier, the marker "*", then 19 fields counted from the marker
// (position 0): 7 data kind, 8 value unit, 9 flag, 10-11 file column, 12 "0", 13 time unit,
// 14-15 X count, 16 Y unit, 17-19 Y count; file data append the file name.
class NCodedString {
public:
    static constexpr const char* kDefaultCode = "*000000xxxnn0X00Y000";

    struct Segment {
        float t0;
        float t1;
        std::string startValue; // kept as text
        std::string endValue;
        double start; // the texts as FloatValue reads them, read once
        double end;
    };
    static Segment MakeSegment(float t0, float t1, std::string startValue, std::string endValue);

    // Default code, dimension "HD1", value unit "U", flag "L"; no segments.
    NCodedString();

    // Resets the code to the default, applies the word ("HD1": hours, 12 x 1 day; "HD7":
    // hours, 24 x 7 days), then value unit "U" and flag "L". False for another word (the code
    // keeps the default layout, whose zero counts make it invalid).
    bool SetDimension(const std::string& word);
    void SetDataKind(char kind); // 'S' list of values, 'F' file column, also 'C', 'L', 'I'
    void SetValueUnit(char unit); // 'R' real; 'P' per cent; also 'A', 'L', 'U'
    // Cuts the code after its fields, appends the file, sets kind 'F' and, when column >= 1,
    // the column number.
    void SetFileAndColumn(const std::string& path, int column);
    // The file's table as already read whole (a study's shared weather file): a profile with an
    // hour column reads its column there rather than reading the file again.
    void SetSharedTable(std::shared_ptr<const SharedTable> table) { shared_ = std::move(table); }
    // The range every data cell of a file must lie in; a cell outside it refuses the file
    // (ProfileFault::BadCell, the line and the range in FileError()). None by default.
    void SetCellBounds(const Bounds& bounds) { cellBounds_ = bounds; }
    // The column in which a file numbers its hours, 1, 2, ... from the line after the header
    // (0: none, the default). With it, a line whose hour does not follow the previous one
    // (ProfileFault::BadLine, the hour expected in FileError()), a line with fewer fields than the
    // first data line, or a last line without its line end (cut) refuse the file.
    void SetHourColumn(int column) { hourColumn_ = column; }
    // The values (one per time unit) that the next FinalizeProfile turns into segments. With a
    // multiplier m other than 1 they are divided by m first, so evaluation gives them back.
    void StoreValues(std::vector<std::string> values);

    // Builds the segments. Window [from, to] in seconds limits the lines of a 8761-line file.
    // Returns ProfileFault::None, another ProfileFault, or Failure::TableSplit when a line of
    // the file has no such column.
    ErrorCode FinalizeProfile(double from, double to);
    float EvaluateProfile(double t);
    // The value at t taken at its true time: the profile repeats itself over its span on every
    // span alike, and a time on a segment boundary takes the segment that starts there. A list
    // of n hourly values gives value h mod n at every whole hour h, the first span included
    // (EvaluateProfile gives hour h of the first span the value of hour h - 1). Between
    // boundaries both give the same value.
    float ValueAtTrueTime(double t) const;
    bool IsValid() const;

    const std::string& Code() const { return code_; }
    // Replaces the code text as is (tests and copies of foreign profiles).
    void SetCode(std::string code) { code_ = std::move(code); }
    const std::vector<Segment>& Segments() const { return segments_; }
    float Span() const { return span_; }
    float Multiplier() const { return multiplier_; }
    // Where the last FinalizeProfile of a file profile failed: the file, its line (counted
    // from 1) and column, and why.
    const ReadError& FileError() const { return fileError_; }
    // The last diagnostic of the validity check (nothing shows it).
    const std::string& Diagnostic() const { return diagnostic_; }
    // The file name of a file profile (the text after the fields), empty otherwise.
    std::string FileName() const;
    int Column() const;
    // Seconds of one stored value: 3600 for "H", 86400 for "D", 604800 for "W".
    double TimeStep() const;

private:
    int MarkerPosition() const;
    char Field(int position) const;
    void SetField(int position, char c);
    int FieldNumber(int position, int digits) const;
    void WriteNumber(int position, int digits, int value);
    bool ReadMultiplier(float& value) const;
    ProfileFault BuildListSegments();
    ErrorCode LoadFile(double from, double to);
    ErrorCode ReadFile(double from, double to);
    // The file's table: the shared one, or the file read now into table_; null, with the fault
    // in code and FileError() set, when it does not read or a line does not split.
    const NTextTable* FileTable(ErrorCode& code);
    float SegmentValue(const Segment& s, double tau) const;
    // The hour column's rules on one data line (counted from 0, the header 0) of a file whose
    // first data line holds `fields` fields: ProfileFault::None, or the fault with FileError() set.
    ErrorCode CheckLine(const NTextTable& table, int line, int fields, int column);
    const std::string& ValueCell(const NTextTable& table, int line, int column) const;

    std::string code_;
    std::vector<std::string> values_;
    std::vector<Segment> segments_;
    NTextTable table_;
    std::shared_ptr<const SharedTable> shared_;
    int lastFound_ = 0;
    float span_ = 0.0f;
    float multiplier_ = 1.0f;
    std::optional<Bounds> cellBounds_;
    int hourColumn_ = 0;
    mutable std::string diagnostic_;
    ReadError fileError_;
};

} // namespace quelvan
