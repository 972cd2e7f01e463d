#include "FuzzTargets.h"

#include "core/TextFile.h"

#include <cstdio>
#include <cstdlib>

namespace quelvan::fuzz {

std::vector<std::string> DecodedLines(std::string_view bytes, bool* lastLineEnded)
{
    const std::string text = DecodeFromFile(bytes);
    std::vector<std::string> lines;
    bool ended = true;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            ended = false;
            break;
        }
        std::size_t lineEnd = end;
        if (lineEnd > start && text[lineEnd - 1] == '\r')
            --lineEnd;
        lines.push_back(text.substr(start, lineEnd - start));
        start = end + 1;
    }
    if (lastLineEnded != nullptr)
        *lastLineEnded = ended;
    return lines;
}

std::uint8_t FuzzInput::Byte()
{
    if (used_ >= size_)
        return 0;
    return data_[used_++];
}

std::string_view FuzzInput::Rest() const
{
    return { reinterpret_cast<const char*>(data_) + used_, size_ - used_ };
}

std::string FuzzInput::Text(std::size_t n)
{
    std::string text;
    while (text.size() < n && used_ < size_) {
        const char c = static_cast<char>(data_[used_++]);
        if (c == '\0')
            break;
        text.push_back(c);
    }
    return text;
}

void ReportBrokenInvariant(const char* what)
{
    std::fprintf(stderr, "fuzz: broken rule: %s\n", what);
    std::abort();
}

} // namespace quelvan::fuzz
