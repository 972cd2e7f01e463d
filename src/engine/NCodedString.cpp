#include "engine/NCodedString.h"

#include "core/Calendar.h"
#include "core/NumberText.h"
#include "core/TextFile.h"
#include "core/TextTrim.h"
#include "core/Units.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace quelvan {

namespace {
constexpr int kFieldCount = 19;
constexpr double kValueAbsolute = 0.0000005;
constexpr double kValueRelative = 0.000001;

struct DimensionWord {
    const char* word;
    char timeUnit;
    int xCount;
    char yUnit;
    int yCount;
};
// The layouts the engine uses: a day of hourly values and a week of hourly values.
constexpr DimensionWord kDimensionWords[] = {
    { "HD1", 'H', 12, 'D', 1 },
    { "HD7", 'H', 24, 'D', 7 },
};

bool OneOf(char c, const char* set)
{
    for (const char* p = set; *p != '\0'; ++p) {
        if (*p == c)
            return true;
    }
    return false;
}
} // namespace

NCodedString::NCodedString()
    : code_(kDefaultCode)
{
    SetDimension("HD1");
}

int NCodedString::MarkerPosition() const
{
    const auto p = code_.find('*');
    return p == std::string::npos ? -1 : static_cast<int>(p);
}

char NCodedString::Field(int position) const
{
    const int marker = MarkerPosition();
    if (marker < 0)
        return '\0';
    const auto k = static_cast<size_t>(marker + position);
    return k < code_.size() ? code_[k] : '\0';
}

void NCodedString::SetField(int position, char c)
{
    const int marker = MarkerPosition();
    if (marker < 0)
        return;
    const auto k = static_cast<size_t>(marker + position);
    if (k >= code_.size())
        code_.resize(k + 1, '0');
    code_[k] = c;
}

int NCodedString::FieldNumber(int position, int digits) const
{
    std::string text;
    for (int i = 0; i < digits; ++i) {
        const char c = Field(position + i);
        if (c == '\0')
            return -1;
        text += c;
    }
    int value = 0;
    return ParseInt(text, value) ? value : -1;
}

void NCodedString::WriteNumber(int position, int digits, int value)
{
    std::string text = FormatInt("%d", value);
    if (static_cast<int>(text.size()) < digits)
        text.insert(0, static_cast<size_t>(digits) - text.size(), '0');
    text = text.substr(text.size() - static_cast<size_t>(digits));
    for (int i = 0; i < digits; ++i)
        SetField(position + i, text[static_cast<size_t>(i)]);
}

bool NCodedString::SetDimension(const std::string& word)
{
    code_ = kDefaultCode;
    bool known = false;
    for (const DimensionWord& d : kDimensionWords) {
        if (word == d.word) {
            SetField(13, d.timeUnit);
            WriteNumber(14, 2, d.xCount);
            SetField(16, d.yUnit);
            WriteNumber(17, 3, d.yCount);
            known = true;
        }
    }
    SetField(8, 'U');
    SetField(9, 'L');
    return known;
}

void NCodedString::SetDataKind(char kind)
{
    SetField(7, kind);
}

void NCodedString::SetValueUnit(char unit)
{
    SetField(8, unit);
}

void NCodedString::SetFileAndColumn(const std::string& path, int column)
{
    const int marker = std::max(MarkerPosition(), 0);
    code_.resize(static_cast<size_t>(marker + kFieldCount + 1), '0');
    code_ += path;
    SetField(7, 'F');
    if (column >= 1)
        WriteNumber(10, 2, column);
}

std::string NCodedString::FileName() const
{
    const int marker = MarkerPosition();
    const auto start = static_cast<size_t>(marker + kFieldCount + 1);
    if (marker < 0 || start >= code_.size())
        return {};
    return code_.substr(start);
}

int NCodedString::Column() const
{
    return FieldNumber(10, 2);
}

double NCodedString::TimeStep() const
{
    switch (Field(13)) {
    case 'D':
        return units::kSecondsPerDay;
    case 'W':
        return units::kSecondsPerWeek;
    default:
        return units::kSecondsPerHour;
    }
}

bool NCodedString::ReadMultiplier(float& value) const
{
    value = 1.0f;
    const int marker = MarkerPosition();
    if (marker <= 0)
        return true;
    return ParseFloat(std::string_view(code_).substr(0, static_cast<size_t>(marker)), value);
}

void NCodedString::StoreValues(std::vector<std::string> values)
{
    float m = 1.0f;
    if (ReadMultiplier(m) && Differs(m, 1.0, kValueAbsolute, kValueRelative)) {
        const double inverse = 1.0 / (m + 0.0000001);
        for (std::string& v : values)
            v = FormatNumber(FloatValue(v) * inverse, SignificantDigits { 7 }, true);
    }
    values_ = std::move(values);
}

bool NCodedString::IsValid() const
{
    if (MarkerPosition() < 0)
        return false;
    if (!OneOf(Field(8), "ARLP") || Field(12) != '0' || !OneOf(Field(7), "FSCLI"))
        return false;
    float m = 1.0f;
    if (!ReadMultiplier(m)) {
        diagnostic_ = "  NCodedString::Error : bad multiplier for " + code_;
        return false;
    }
    if (FieldNumber(14, 2) <= 0 || FieldNumber(17, 3) <= 0) {
        diagnostic_ = "  NCodedString::Error : bad X or Y length for " + code_;
        return false;
    }
    return true;
}

ProfileFault NCodedString::BuildListSegments()
{
    segments_.clear();
    const size_t n = values_.size();
    if (n == 0)
        return ProfileFault::None;
    if (n == 1) {
        segments_.push_back({ -10000000.0f, 10000000.0f, values_[0], values_[0] });
        return ProfileFault::None;
    }
    // Consecutive equal values share one flat segment: a staircase of one step per value.
    const double step = TimeStep();
    double t = 0.0;
    double start = 0.0;
    std::string current = values_[0];
    for (const std::string& value : values_) {
        const double c = FloatValue(current);
        const double v = FloatValue(value);
        if (std::fabs(c - v) > std::fabs(c) * kValueRelative + kValueAbsolute) {
            segments_.push_back(
                { static_cast<float>(start), static_cast<float>(t), current, current });
            start = t;
            current = value;
        }
        t += step;
    }
    segments_.push_back({ static_cast<float>(start), static_cast<float>(t), current, current });
    return ProfileFault::None;
}

const std::string& NCodedString::ValueCell(int line) const
{
    // Hour-checked files are read whole; the others keep only the column of the code.
    return table_.Cell(line, hourColumn_ > 0 ? Column() - 1 : 0);
}

ErrorCode NCodedString::CheckLine(int line, int fields)
{
    if (hourColumn_ <= 0)
        return ProfileFault::None; // the table's read checked the column
    float hour = 0.0f;
    if (line > 0
        && (!ParseFloat(TrimBlanks(table_.Cell(line, hourColumn_ - 1)), hour)
            || hour != static_cast<float>(line))) {
        fileError_ = { fileError_.file, line + 1, std::to_string(hourColumn_),
            ReadFault::UnexpectedHour, {}, 0, std::to_string(line) };
        return ProfileFault::BadLine;
    }
    // Every line, the header too, holds the column read.
    if (table_.CellCount(line) < Column()) {
        fileError_
            = { fileError_.file, line + 1, std::to_string(Column()), ReadFault::MissingColumn, {} };
        return Failure::TableSplit;
    }
    if (line > 0 && table_.CellCount(line) < fields) {
        fileError_ = { fileError_.file, line + 1, {}, ReadFault::IncompleteLine, {} };
        return ProfileFault::BadLine;
    }
    return ProfileFault::None;
}

namespace {

// The lines read of a file of r lines (header included): all of them, except in a year's file
// (a header and one line per hour), where only the lines of the window from..to (s) are used.
// The lines after a and before b are read.
std::pair<int, int> LinesInWindow(int r, double from, double to)
{
    int a = 0;
    int b = r;
    if (r - 1 == kHoursPerYear) {
        a = std::clamp(static_cast<int>((from + 10.0) / units::kSecondsPerHour), 0, 32000);
        const double end = 1.0 - std::trunc((to + 10.0) * (-1.0 / units::kSecondsPerHour));
        b = std::min(static_cast<int>(std::clamp(end, 1.0, 32000.0)), r);
        if (b <= a)
            b = a + 1;
    }
    return { a, b };
}

} // namespace

ErrorCode NCodedString::LoadFile(double from, double to)
{
    segments_.clear();
    table_.Clear();
    // A file name kept in Windows-1252 bytes is shown as text.
    fileError_ = { DecodeFromFile(FileName()), 0, {}, ReadFault::Unreadable, {} };
    const std::string column = std::to_string(Column());
    if (!table_.Read(FileName(), hourColumn_ > 0 ? -1 : Column())) {
        fileError_.fault = table_.FileFault();
        if (fileError_.fault == ReadFault::TooLarge)
            fileError_.limitBytes = kMaxTextFileBytes;
        return ProfileFault::NoLines;
    }
    if (table_.ErrorCode() != Failure::None) {
        fileError_.line = table_.ErrorRow() + 1;
        fileError_.fault = hourColumn_ > 0 ? ReadFault::LineTooLong : ReadFault::MissingColumn;
        fileError_.field = hourColumn_ > 0 ? std::string() : column;
        return table_.ErrorCode();
    }
    const int r = table_.RowCount();
    if (r <= 0) {
        fileError_.fault = ReadFault::Empty;
        return ProfileFault::NoLines;
    }
    const auto [a, b] = LinesInWindow(r, from, to);
    // Every line obeys the hour column's rules, the values of the window are read.
    const int fields = table_.CellCount(std::min(1, r - 1));
    for (int line = 0; line < r; ++line) {
        if (const ErrorCode code = CheckLine(line, fields); code.IsError())
            return code;
        if (line <= a || line >= b)
            continue;
        const std::string value(TrimBlanks(ValueCell(line)));
        float check = 0.0f;
        if (!ParseFloat(value, check)) {
            fileError_ = { fileError_.file, line + 1, column, ReadFault::NotANumber, {} };
            return ProfileFault::BadCell;
        }
        if (cellBounds_ && !cellBounds_->Contains(check)) {
            fileError_
                = { fileError_.file, line + 1, column, ReadFault::OutOfRange, cellBounds_->Text() };
            return ProfileFault::BadCell;
        }
        const float t1 = static_cast<float>(units::kSecondsPerHour * line);
        const float t0 = segments_.empty() ? 0.0f : segments_.back().t1;
        const std::string start = segments_.empty() ? std::string() : segments_.back().endValue;
        segments_.push_back({ t0, t1, start, value });
    }
    if (hourColumn_ > 0 && table_.LeftOutUnendedLine()) {
        // A line cut inside its last number cannot be told from a whole one: refused whole.
        fileError_ = { fileError_.file, r + 1, {}, ReadFault::UnendedLastLine, {} };
        return ProfileFault::BadLine;
    }
    // The first hour runs from the last value of the year.
    if (!segments_.empty())
        segments_.front().startValue = segments_.back().endValue;
    else
        fileError_.fault = ReadFault::Empty; // a header without data lines
    return ProfileFault::None;
}

ErrorCode NCodedString::FinalizeProfile(double from, double to)
{
    if (!IsValid())
        return ProfileFault::InvalidCode;
    ErrorCode code = ProfileFault::NotLoadable;
    const char kind = Field(7);
    if (kind == 'F')
        code = LoadFile(from, to);
    else if (kind == 'S' || kind == 'C' || kind == 'L')
        code = BuildListSegments();
    if (code != ProfileFault::None)
        return code;
    if (segments_.empty())
        return ProfileFault::NoSegment;
    if (!ReadMultiplier(multiplier_)) {
        multiplier_ = 1.0f;
        return ProfileFault::BadMultiplier;
    }
    lastFound_ = 0;
    span_ = segments_.back().t1 - segments_.front().t0;
    return ProfileFault::None;
}

float NCodedString::EvaluateProfile(double t)
{
    if (segments_.empty())
        return 0.0f;
    const double first = segments_.front().t0;
    const double last = segments_.back().t1;
    double tau = t;
    if (t < first || t > last) {
        // Periodic repetition; the shift moves a time on a boundary into the later segment.
        double phase = span_ > 0.0f ? std::fmod(t + 1.0, static_cast<double>(span_)) : 0.0;
        if (phase < 0.0)
            phase += span_;
        tau = first + phase - 0.99;
    }
    const int count = static_cast<int>(segments_.size());
    int k = std::clamp(lastFound_, 0, count - 1);
    if (!(segments_[static_cast<size_t>(k)].t0 < tau))
        k = 0;
    while (k < count && segments_[static_cast<size_t>(k)].t1 < tau)
        ++k;
    k = std::min(k, count - 1);
    lastFound_ = k;
    return SegmentValue(segments_[static_cast<size_t>(k)], tau);
}

float NCodedString::ValueAtTrueTime(double t) const
{
    if (segments_.empty())
        return 0.0f;
    const double first = segments_.front().t0;
    const double span = span_;
    double tau = t;
    if (span > 0.0) {
        tau = first + std::fmod(t - first, span);
        if (tau < first)
            tau += span;
    }
    // The last segment that starts at tau or before.
    const auto after = std::upper_bound(segments_.begin(), segments_.end(), tau,
        [](double time, const Segment& s) { return time < s.t0; });
    const auto k = std::max<std::ptrdiff_t>(after - segments_.begin() - 1, 0);
    return SegmentValue(segments_[static_cast<size_t>(k)], tau);
}

float NCodedString::SegmentValue(const Segment& s, double tau) const
{
    const double a = FloatValue(s.startValue);
    const double b = FloatValue(s.endValue);
    const double width = static_cast<double>(s.t1) - s.t0;
    const double fraction = width > 0.0 ? (tau - s.t0) / width : 0.0;
    double value = (a + (b - a) * fraction) * multiplier_;
    if (Field(8) == 'P')
        value *= 0.01;
    return static_cast<float>(value);
}

} // namespace quelvan
