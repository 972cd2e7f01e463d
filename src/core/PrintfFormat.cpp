// A small printf replacement for one numeric conversion, independent of the process locale.
// Floating-point conversions go through std::to_chars, whose fixed and scientific forms with a
// precision round the exact binary value to the nearest decimal (ties to even), as printf does.
#include "NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace quelvan {

namespace {

constexpr int kMaxPrecision = 1100; // more decimals than any double has
constexpr int kMaxWidth = 4096;

struct Conversion {
    bool leftAlign = false;
    bool plusSign = false;
    bool spaceSign = false;
    bool zeroPad = false;
    int width = 0;
    int precision = -1; // -1: none given
    char type = 0; // 0: no conversion in the format
};

struct ParsedFormat {
    std::string before;
    Conversion conversion;
    std::string after;
    bool valid = false;
};

int ReadNumber(const char*& p, int limit)
{
    int n = 0;
    while (*p >= '0' && *p <= '9') {
        n = std::min(limit, n * 10 + (*p - '0'));
        ++p;
    }
    return n;
}

// Splits a format into literal text, one conversion and literal text ("%%" is a '%').
ParsedFormat ParseFormat(const char* format)
{
    ParsedFormat parsed;
    if (format == nullptr)
        return parsed;
    std::string* literal = &parsed.before;
    const char* p = format;
    while (*p != '\0') {
        if (*p != '%') {
            literal->push_back(*p++);
            continue;
        }
        if (p[1] == '%') {
            literal->push_back('%');
            p += 2;
            continue;
        }
        if (parsed.conversion.type != 0) {
            parsed.valid = false; // a second conversion has no value to print
            return parsed;
        }
        ++p;
        Conversion& c = parsed.conversion;
        for (;; ++p) {
            if (*p == '-')
                c.leftAlign = true;
            else if (*p == '+')
                c.plusSign = true;
            else if (*p == ' ')
                c.spaceSign = true;
            else if (*p == '0')
                c.zeroPad = true;
            else if (*p != '#')
                break;
        }
        c.width = ReadNumber(p, kMaxWidth);
        if (*p == '.') {
            ++p;
            c.precision = ReadNumber(p, kMaxPrecision);
        }
        while (*p == 'l' || *p == 'h' || *p == 'L' || *p == 'z' || *p == 'j' || *p == 't')
            ++p;
        if (std::string_view("diufFeEgGxXo").find(*p) == std::string_view::npos || *p == '\0') {
            return parsed;
        }
        c.type = *p++;
        literal = &parsed.after;
    }
    parsed.valid = true;
    return parsed;
}

std::string Pad(const Conversion& c, std::string_view sign, std::string_view body, bool allowZeros)
{
    const size_t length = sign.size() + body.size();
    const size_t width = static_cast<size_t>(c.width);
    if (length >= width)
        return std::string(sign) + std::string(body);
    const std::string fill(width - length, ' ');
    if (c.leftAlign)
        return std::string(sign) + std::string(body) + fill;
    if (c.zeroPad && allowZeros)
        return std::string(sign) + std::string(width - length, '0') + std::string(body);
    return fill + std::string(sign) + std::string(body);
}

std::string SignText(const Conversion& c, bool negative)
{
    if (negative)
        return "-";
    if (c.plusSign)
        return "+";
    if (c.spaceSign)
        return " ";
    return "";
}

std::string FormatInteger(const Conversion& c, long long value)
{
    const bool isSigned = c.type == 'd' || c.type == 'i';
    const bool negative = isSigned && value < 0;
    std::uint64_t magnitude = 0;
    if (isSigned)
        magnitude
            = negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    else
        magnitude = static_cast<std::uint32_t>(value); // the bits of an int, as printf sees
    int base = 10;
    if (c.type == 'x' || c.type == 'X')
        base = 16;
    else if (c.type == 'o')
        base = 8;
    char buffer[80];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, magnitude, base);
    (void)ec;
    std::string digits(buffer, end);
    if (c.type == 'X')
        std::transform(digits.begin(), digits.end(), digits.begin(),
            [](char ch) { return ch >= 'a' && ch <= 'f' ? static_cast<char>(ch - 32) : ch; });
    if (c.precision >= 0) {
        if (c.precision == 0 && magnitude == 0)
            digits.clear();
        else if (digits.size() < static_cast<size_t>(c.precision))
            digits.insert(0, static_cast<size_t>(c.precision) - digits.size(), '0');
    }
    const std::string sign = isSigned ? SignText(c, negative) : "";
    return Pad(c, sign, digits, c.precision < 0);
}

std::string FormatFloating(const Conversion& c, double value)
{
    int precision = c.precision < 0 ? 6 : c.precision;
    std::chars_format style = std::chars_format::fixed;
    if (c.type == 'e' || c.type == 'E') {
        style = std::chars_format::scientific;
    } else if (c.type == 'g' || c.type == 'G') {
        style = std::chars_format::general;
        precision = std::max(precision, 1);
    }
    std::string buffer(static_cast<size_t>(precision) + 400, '\0');
    auto [end, ec] = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), std::fabs(value), style, precision);
    if (ec != std::errc())
        return std::string();
    std::string body(buffer.data(), end);
    if (c.type == 'F' || c.type == 'E' || c.type == 'G')
        std::transform(body.begin(), body.end(), body.begin(),
            [](char ch) { return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 32) : ch; });
    const bool negative = std::signbit(value);
    return Pad(c, SignText(c, negative), body, std::isfinite(value));
}

bool IsIntegerType(char type)
{
    return std::string_view("diuxXo").find(type) != std::string_view::npos;
}

long long ToInteger(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double limit = 9.2e18;
    return static_cast<long long>(std::clamp(value, -limit, limit));
}

} // namespace

std::string FormatDouble(const char* format, double value)
{
    const ParsedFormat parsed = ParseFormat(format);
    if (!parsed.valid || parsed.conversion.type == 0)
        return parsed.valid ? parsed.before : std::string();
    const Conversion& c = parsed.conversion;
    const std::string middle
        = IsIntegerType(c.type) ? FormatInteger(c, ToInteger(value)) : FormatFloating(c, value);
    return parsed.before + middle + parsed.after;
}

std::string FormatInt(const char* format, int value)
{
    const ParsedFormat parsed = ParseFormat(format);
    if (!parsed.valid || parsed.conversion.type == 0)
        return parsed.valid ? parsed.before : std::string();
    const Conversion& c = parsed.conversion;
    const std::string middle = IsIntegerType(c.type)
        ? FormatInteger(c, value)
        : FormatFloating(c, static_cast<double>(value));
    return parsed.before + middle + parsed.after;
}

} // namespace quelvan
