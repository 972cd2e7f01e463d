#pragma once

// How the cases of parameterised tests print, so that their test names say what they check
// ("Formats/FormatDoubleTest.MatchesTheCLibraryInTheCLocale/%.2f of 2.675") rather than the
// bytes of a structure.
#include <cstdio>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quelvan::test {

// A text between quotes, every byte outside printable ASCII written \xNN (or only the control
// characters when utf8 is set), the quote and the backslash too: a test name stays on one line.
inline std::string Quoted(std::string_view text, bool utf8 = true)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || (byte > 0x7F && !utf8) || c == '"' || c == '\\') {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02X", byte);
            out += code;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// A precision of the number rules: "2 decimals", "3 significant digits".
template <typename Precision> std::string PrecisionText(const Precision& precision)
{
    if (const auto* decimals = std::get_if<0>(&precision))
        return std::to_string(decimals->count) + " decimals";
    return std::to_string(std::get<1>(precision).count) + " significant digits";
}

// A number as printf's %g gives it, which a test name reads well.
inline std::string Number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

// "{1, 3, 4}".
inline std::string List(const std::vector<int>& values)
{
    std::string out = "{";
    for (std::size_t i = 0; i < values.size(); ++i)
        out += (i > 0 ? ", " : "") + std::to_string(values[i]);
    return out + "}";
}

} // namespace quelvan::test
