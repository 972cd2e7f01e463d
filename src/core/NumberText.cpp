#include "NumberText.h"

#include "TextTrim.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <system_error>

namespace quelvan {

namespace {

bool IsAsciiAlpha(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}
// The C runtime's white space in the "C" locale (what scanf skips before a conversion).
bool IsCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Turns the blanks that directly follow each '-' into '0' ("- 5" reads as "-05").
void ZeroBlanksAfterMinus(std::string& text)
{
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '-')
            continue;
        size_t j = i + 1;
        while (j < text.size() && text[j] == ' ')
            text[j++] = '0';
        i = j - 1;
    }
}

// Decimal exponent of the first significant digit of a plain decimal number (digits,
// optional point, digits, optional exponent), used to tell overflow from underflow.
long long DecimalMagnitude(std::string_view number)
{
    size_t i = 0;
    long long integerDigits = 0; // significant digits before the point
    long long leadingZeros = 0; // zeros after the point before the first significant digit
    bool seenPoint = false;
    bool seenSignificant = false;
    for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
        const char c = number[i];
        if (c == '.') {
            seenPoint = true;
        } else if (!seenPoint) {
            if (c != '0' || seenSignificant) {
                seenSignificant = true;
                ++integerDigits;
            }
        } else if (!seenSignificant) {
            if (c == '0')
                ++leadingZeros;
            else
                seenSignificant = true;
        }
    }
    if (!seenSignificant)
        return LLONG_MIN; // the number is zero
    long long exponent = 0;
    if (i < number.size()) {
        ++i;
        bool negative = false;
        if (i < number.size() && (number[i] == '+' || number[i] == '-'))
            negative = number[i++] == '-';
        for (; i < number.size(); ++i) {
            if (exponent < 1000000000LL)
                exponent = exponent * 10 + (number[i] - '0');
        }
        if (negative)
            exponent = -exponent;
    }
    const long long magnitude = integerDigits > 0 ? integerDigits - 1 : -(leadingZeros + 1);
    return magnitude + exponent;
}

// The decimal number a scanf "%f" conversion would take from the start of the text:
// optional sign, digits with an optional point, and an exponent only when it is complete.
// Returns false when no number starts there.
bool ScanDecimal(std::string_view text, bool& negative, std::string& number)
{
    size_t i = 0;
    while (i < text.size() && IsCSpace(text[i]))
        ++i;
    negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    const size_t start = i;
    int digits = 0;
    while (i < text.size() && IsAsciiDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsAsciiDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && IsAsciiDigit(text[j])) {
            while (j < text.size() && IsAsciiDigit(text[j]))
                ++j;
            end = j;
        }
    }
    number.assign(text.substr(start, end - start));
    return true;
}

// Converts a plain decimal number to the nearest float. Values too small for a float read
// as zero (as scanf gives); values too large are refused rather than read as infinity.
bool DecimalToFloat(const std::string& number, bool negative, float& value)
{
    const char* first = number.data();
    const char* last = first + number.size();
    float result = 0.0f;
    auto [ptr, ec] = std::from_chars(first, last, result, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        if (DecimalMagnitude(number) >= 0)
            return false;
        // Below the normal range: go through a double to keep the subnormal value.
        double wide = 0.0;
        auto [ptr2, ec2] = std::from_chars(first, last, wide, std::chars_format::general);
        result = ec2 == std::errc() ? static_cast<float>(wide) : 0.0f;
        (void)ptr2;
    } else if (ec != std::errc()) {
        return false;
    }
    (void)ptr;
    if (std::isinf(result))
        return false;
    value = negative ? -result : result;
    return true;
}

// Number of decimals giving n significant digits for the value v, one more when asked,
// kept in a sane range whatever v is (infinite, not a number).
int SignificantDecimals(double v, int n, bool oneMore)
{
    const double magnitude = std::trunc(std::log10(std::fabs(v) + 1e-7) + 0.0001);
    double d = -1.0 - magnitude + n;
    if (oneMore)
        d += 1.0;
    if (!(d >= 0.0))
        return 0;
    return d > 1000.0 ? 1000 : static_cast<int>(d);
}

} // namespace

std::string FormatNumber(double x, Precision precision, bool trim)
{
    if (x > 1e15)
        return "###";
    if (x == 0.0)
        x = 0.0; // a negative zero shows as 0, not -0
    int decimals = 0;
    if (const auto* digits = std::get_if<SignificantDigits>(&precision))
        decimals = SignificantDecimals(x, digits->count, x < 1.0);
    else
        decimals = std::max(std::get<Decimals>(precision).count, 0);
    std::string text = FormatDouble(("%." + std::to_string(decimals) + "f").c_str(), x);
    if (trim || std::fabs(x) < 1e-7)
        text = TrimTrailingZeros(std::move(text));
    return text;
}

bool ParseFloat(std::string_view text, float& value)
{
    value = 0.0f;
    std::string copy(TrimBlanks(text));
    if (copy.empty())
        return false;
    if (copy == "-" || copy == "+")
        return true;
    int points = 0;
    for (char& c : copy) {
        if (c == ',')
            c = '.';
        if (c == '.')
            ++points;
    }
    if (points > 1)
        return false;
    for (const char c : copy) {
        if (IsAsciiAlpha(c) && c != 'e' && c != 'E')
            return false;
    }
    ZeroBlanksAfterMinus(copy);
    bool negative = false;
    std::string number;
    if (!ScanDecimal(copy, negative, number))
        return false;
    float result = 0.0f;
    if (!DecimalToFloat(number, negative, result))
        return false;
    value = result;
    return true;
}

float FloatValue(std::string_view text)
{
    float value = 0.0f;
    ParseFloat(text, value);
    return value;
}

bool ParseInt(std::string_view text, int& value)
{
    value = 0;
    std::string copy(TrimBlanks(text));
    if (copy.empty())
        return false;
    // Only a leading '-' is accepted; every other character must be a digit.
    size_t start = 0;
    if (copy[0] == '-') {
        ZeroBlanksAfterMinus(copy);
        start = 1;
    }
    if (start == copy.size())
        return false; // a lone '-' converts nothing
    for (size_t i = start; i < copy.size(); ++i) {
        if (!IsAsciiDigit(copy[i]))
            return false;
    }
    int result = 0;
    const char* first = copy.data() + start;
    const char* last = copy.data() + copy.size();
    if (start == 1) {
        // Parse with the sign so that INT_MIN is reachable.
        first = copy.data();
    }
    auto [ptr, ec] = std::from_chars(first, last, result);
    if (ec != std::errc() || ptr != last)
        return false; // out of the int range
    value = result;
    return true;
}

int IntValue(std::string_view text)
{
    int value = 0;
    ParseInt(text, value);
    return value;
}

std::string FloatText(double value)
{
    return TrimTrailingZeros(FormatDouble("%f", value));
}

std::string SignificantText(double value, int digits)
{
    if (value == 0.0)
        return "0";
    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    int decimals = std::max(digits - 1 - exponent, 0);
    // Rounding may carry into a new digit (0.9996 -> 1.000): one decimal fewer then.
    const double scale = std::pow(10.0, decimals);
    if (decimals > 0
        && std::round(std::fabs(value) * scale) / scale >= std::pow(10.0, exponent + 1))
        --decimals;
    const std::string format = "%." + std::to_string(decimals) + "f";
    return FormatDouble(format.c_str(), value);
}

std::string TrimTrailingZeros(std::string text)
{
    const size_t point = text.find('.');
    const size_t separator = point != std::string::npos ? point : text.find(',');
    if (separator == std::string::npos)
        return text;
    // An exponent would lose digits: such texts are left alone.
    if (text.find_first_of("eE") != std::string::npos)
        return text;
    size_t end = text.size();
    while (end > 1 && text[end - 1] == '0')
        --end;
    if (end > 1 && (text[end - 1] == '.' || text[end - 1] == ','))
        --end;
    text.resize(end);
    return text;
}

std::string KeepDecimals(std::string text, int n)
{
    const size_t point = text.find('.');
    const size_t separator = point != std::string::npos ? point : text.find(',');
    if (separator == std::string::npos)
        return text;
    if (n <= 0) {
        text.resize(separator);
        return text;
    }
    const size_t keep = separator + 1 + static_cast<size_t>(n);
    if (text.size() > keep)
        text.resize(keep);
    return text;
}

std::string KeepDecimalsForPrecision(std::string text, Precision precision, bool trim)
{
    int decimals = 0;
    if (const auto* digits = std::get_if<SignificantDigits>(&precision))
        decimals = SignificantDecimals(FloatValue(text), digits->count, false);
    else
        decimals = std::get<Decimals>(precision).count;
    text = KeepDecimals(std::move(text), decimals);
    if (trim)
        text = TrimTrailingZeros(std::move(text));
    return text;
}

bool Differs(double a, double b, double absolute, double relative)
{
    return std::fabs(a - b) > std::fabs(a) * relative + absolute;
}

} // namespace quelvan
