// The number rules on arbitrary text and on arbitrary doubles: parsing never reads past the
// text, a refused text gives 0, a shown number reads back to about the same value.
#include "FuzzTargets.h"

#include "core/NumberText.h"

#include <cmath>
#include <cstring>

namespace quelvan::fuzz {

namespace {

// The fuzzed count: below 0, that many significant digits; else that many decimals.
Precision PrecisionOf(int count)
{
    if (count < 0)
        return SignificantDigits { -count };
    return Decimals { count };
}

// FormatNumber's text must read back within the rounding it did.
void CheckShownNumberReadsBack(double x, int precision, bool trim)
{
    const std::string shown = FormatNumber(x, PrecisionOf(precision), trim);
    if (!std::isfinite(x) || std::fabs(x) > 1e15) {
        if (x > 1e15 && shown != "###")
            ReportBrokenInvariant("a value above 1e15 must show as ###");
        return;
    }
    float back = 0.0f;
    if (!ParseFloat(shown, back))
        ReportBrokenInvariant("FormatNumber gave a text that ParseFloat refuses");
    // Rounding of the text, then of the float that reads it (and the float of x itself).
    double allowed = std::fabs(x) * 1.2e-7 + 1e-30;
    if (precision >= 0)
        allowed += 0.5 * std::pow(10.0, -std::min(precision, 300)) * 1.000001;
    else
        allowed += std::fabs(x) * 0.5 * std::pow(10.0, 1 + precision) * 1.000001 + 0.5e-7;
    if (std::isfinite(static_cast<float>(x)) && std::fabs(back - x) > allowed * 1.01 + 1e-37)
        ReportBrokenInvariant("FormatNumber text reads back to another value");
}

} // namespace

int FuzzNumbers(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const int precision = static_cast<int>(input.Byte() % 41) - 20; // -20 .. 20
    const std::uint8_t flags = input.Byte();
    double raw = 0.0;
    std::uint8_t bytes[sizeof raw] {};
    for (auto& b : bytes)
        b = input.Byte();
    std::memcpy(&raw, bytes, sizeof raw);
    const std::string format = input.Text(24);
    const std::string_view text = input.Rest();

    float f = -1.0f;
    const bool floatRead = ParseFloat(text, f);
    if (!floatRead && f != 0.0f)
        ReportBrokenInvariant("a refused float text must give 0");
    if (floatRead && !std::isfinite(f))
        ReportBrokenInvariant("an accepted float text must give a finite value");
    if (FloatValue(text) != f)
        ReportBrokenInvariant("FloatValue differs from ParseFloat");

    int i = -1;
    const bool intRead = ParseInt(text, i);
    if (!intRead && i != 0)
        ReportBrokenInvariant("a refused integer text must give 0");
    if (intRead) {
        int again = 0;
        if (!ParseInt(FormatInt("%d", i), again) || again != i)
            ReportBrokenInvariant("an integer does not read back from its own text");
    }
    if (IntValue(text) != i)
        ReportBrokenInvariant("IntValue differs from ParseInt");

    const bool trim = (flags & 1) != 0;
    CheckShownNumberReadsBack(f, precision, trim);
    CheckShownNumberReadsBack(raw, precision, trim);
    (void)FloatText(raw);
    (void)FormatDouble(format.c_str(), raw);
    (void)FormatDouble(format.c_str(), f);
    (void)FormatInt(format.c_str(), i);

    const std::string owned(text);
    (void)TrimTrailingZeros(owned);
    (void)KeepDecimals(owned, precision);
    (void)KeepDecimalsForPrecision(owned, PrecisionOf(precision), trim);
    (void)Differs(raw, f, 1e-6, 1e-6);
    return 0;
}

} // namespace quelvan::fuzz
