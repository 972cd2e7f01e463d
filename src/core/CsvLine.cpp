#include "core/CsvLine.h"

#include "core/NumberText.h"
#include "core/TextTrim.h"

namespace quelvan {

std::vector<std::string> SplitCsvLine(std::string_view line)
{
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                fields.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

std::optional<double> StrictNumber(std::string_view text)
{
    text = TrimWhitespace(text);
    std::size_t i = 0;
    const auto digit
        = [&](std::size_t k) { return k < text.size() && text[k] >= '0' && text[k] <= '9'; };
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    std::size_t digits = 0;
    while (digit(i)) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (digit(i)) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '-' || text[i] == '+'))
            ++i;
        if (!digit(i))
            return std::nullopt;
        while (digit(i))
            ++i;
    }
    if (i != text.size())
        return std::nullopt;
    // ParseFloat refuses a leading '+'; the sign has been checked above.
    std::string_view body = text;
    if (body.front() == '+')
        body.remove_prefix(1);
    float value = 0.0f;
    if (!ParseFloat(body, value))
        return std::nullopt;
    return static_cast<double>(value);
}

} // namespace quelvan
