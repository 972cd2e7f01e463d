#pragma once

#include <string>
#include <string_view>
#include <variant>

// The number rules: how every number is shown and how every typed number is accepted.
// All of them ignore the process locale (a French locale never turns "1.5" into 1 nor prints
// "0,5").
namespace quelvan {

// How many digits a number keeps: a count of decimals, or a count of significant digits from
// which the decimals follow (d = n - 1 - the decimal exponent of the value, never below 0).
struct Decimals {
    int count = 0;
};
struct SignificantDigits {
    int count = 0;
};
using Precision = std::variant<Decimals, SignificantDigits>;

// Fixed-point text with the decimals of the precision; significant digits give one decimal more
// below 1 (every negative value too). Values above 1e15 give "###". Trailing zeros are trimmed
// when asked, and always for |x| < 1e-7.
std::string FormatNumber(double x, Precision precision, bool trim);

// Accepts "1,5" as 1.5, a lone sign as 0, a valid prefix ("12#" -> 12); refuses empty or blank
// text, several separators and letters other than e/E. value is 0 when refused.
bool ParseFloat(std::string_view text, float& value);
// The value of ParseFloat, 0 when the text does not read (how the engine reads numbers).
float FloatValue(std::string_view text);

// Decimal digits after an optional leading '-' (blanks after it read as 0); "+5" is refused.
bool ParseInt(std::string_view text, int& value);
int IntValue(std::string_view text);

// "%f" then the trailing-zero trim (the program's float text).
std::string FloatText(double value);
// Exactly `digits` significant digits, trailing zeros kept and no extra decimal below 1 (unlike
// FormatNumber): "0.661", "12.6", "501" with three; a rounding that carries into a new digit
// keeps the count ("0.9996" gives "1.00"); 0 gives "0".
std::string SignificantText(double value, int digits);
// printf-style conversions of one number, independent of the locale. Supported formats are
// "%d", "%<w>d", "%f", "%.<n>f", "%<w>.<n>f", "%e"-family with precision, "%.<n>e".
std::string FormatDouble(const char* format, double value);
std::string FormatInt(const char* format, int value);

// Trailing-zero trim of a numeric text (only when it holds a decimal separator).
std::string TrimTrailingZeros(std::string text);

// Cuts (never rounds) a numeric text to n decimals; n = 0 also drops the separator.
std::string KeepDecimals(std::string text, int n);
// KeepDecimals with the decimals of the precision, significant digits counted on the parsed
// value (without the extra decimal below 1); then the trailing-zero trim when asked.
std::string KeepDecimalsForPrecision(std::string text, Precision precision, bool trim);

// |a - b| > |a| * relative + absolute.
bool Differs(double a, double b, double absolute, double relative);

} // namespace quelvan
