#include "persistence/FixedColumns.h"

#include "core/TextTrim.h"

#include <algorithm>

namespace quelvan {

namespace {

// Length of the UTF-8 sequence starting at bytes[i], 1 for anything malformed.
size_t SequenceLength(std::string_view bytes, size_t i)
{
    const auto lead = static_cast<unsigned char>(bytes[i]);
    size_t length = 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    if (i + length > bytes.size())
        return 1;
    for (size_t k = 1; k < length; ++k)
        if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80)
            return 1;
    return length;
}

std::vector<size_t> CharacterStarts(std::string_view bytes)
{
    std::vector<size_t> starts;
    for (size_t i = 0; i < bytes.size(); i += SequenceLength(bytes, i))
        starts.push_back(i);
    return starts;
}

} // namespace

int CharacterCount(std::string_view text)
{
    return static_cast<int>(CharacterStarts(text).size());
}

std::string PadLeft(std::string_view text, int width)
{
    const int missing = width - CharacterCount(text);
    std::string padded(static_cast<size_t>(std::max(missing, 0)), ' ');
    padded.append(text);
    return padded;
}

FixedColumnLine::FixedColumnLine(std::string_view line)
    : line_(line)
    , starts_(CharacterStarts(line))
{
}

std::string FixedColumnLine::Slice(int from, int to) const
{
    const int length = Length();
    from = std::clamp(from, 0, length);
    to = std::clamp(to, from, length);
    const size_t begin = from < length ? starts_[static_cast<size_t>(from)] : line_.size();
    const size_t end = to < length ? starts_[static_cast<size_t>(to)] : line_.size();
    return line_.substr(begin, end - begin);
}

std::string FixedColumnLine::Field(int column, int width, bool runOn)
{
    const int start = column + shift_;
    int end = start + width;
    if (runOn) {
        const int length = Length();
        int next = end;
        while (next < length && ByteAt(next) != ' ')
            ++next;
        shift_ += next - end;
        end = next;
    }
    return std::string(TrimBlanks(Slice(start, end)));
}

std::string FixedColumnLine::Rest(int column) const
{
    return Slice(column + shift_, Length());
}

bool FixedColumnLine::Reaches(int column) const
{
    return Length() >= column + shift_;
}

} // namespace quelvan
