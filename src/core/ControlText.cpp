#include "core/ControlText.h"

#include <cstdio>

namespace quelvan {

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

void AppendHex(std::string& out, unsigned value)
{
    out += kHexDigits[(value >> 4) & 0xF];
    out += kHexDigits[value & 0xF];
}

// The length of the well-formed UTF-8 sequence starting at i, 0 when the bytes there form none
// (a stray continuation byte, an overlong form, a surrogate, a sequence cut short).
size_t SequenceLength(std::string_view text, size_t i)
{
    const auto at = [&text, i](size_t k) {
        return i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0u;
    };
    const unsigned lead = at(0);
    if (lead < 0x80)
        return 1;
    size_t length = 0;
    unsigned low = 0x80; // the range of the second byte, narrower after some lead bytes
    unsigned high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : low;
        high = lead == 0xED ? 0x9F : high;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high;
    } else {
        return 0;
    }
    if (at(1) < low || at(1) > high)
        return 0;
    for (size_t k = 2; k < length; ++k) {
        if (at(k) < 0x80 || at(k) > 0xBF)
            return 0;
    }
    return length;
}

void Print(std::FILE* stream, std::string_view text)
{
    const std::string shown = ShowControls(text) + '\n';
    std::fwrite(shown.data(), 1, shown.size(), stream);
}

void PrintEachLine(std::FILE* stream, std::string_view text)
{
    while (!text.empty()) {
        const size_t end = text.find('\n');
        Print(stream, text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
}

} // namespace

std::string ShowControls(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const size_t length = SequenceLength(text, i);
        const auto next = length == 2 ? static_cast<unsigned char>(text[i + 1]) : 0u;
        if (length == 0 || (length == 1 && (byte < 0x20 || byte == 0x7F))) {
            out += "\\x";
            AppendHex(out, byte);
            ++i;
        } else if (byte == 0xC2 && next <= 0x9F) {
            // U+0080 to U+009F in UTF-8: C2 followed by the code's own byte.
            out += "\\u00";
            AppendHex(out, next);
            i += 2;
        } else {
            out.append(text.substr(i, length));
            i += length;
        }
    }
    return out;
}

std::string JsonControlsEscaped(std::string_view json)
{
    std::string out;
    out.reserve(json.size());
    for (size_t i = 0; i < json.size(); ++i) {
        const auto byte = static_cast<unsigned char>(json[i]);
        const auto next = i + 1 < json.size() ? static_cast<unsigned char>(json[i + 1]) : 0u;
        if (byte == 0x7F) {
            out += "\\u007f";
        } else if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) {
            out += "\\u00";
            AppendHex(out, next);
            ++i;
        } else {
            out += json[i];
        }
    }
    return out;
}

void PrintLine(std::string_view text)
{
    Print(stdout, text);
}

void PrintError(std::string_view text)
{
    Print(stderr, text);
}

void PrintLines(std::string_view text)
{
    PrintEachLine(stdout, text);
}

void PrintErrorLines(std::string_view text)
{
    PrintEachLine(stderr, text);
}

bool StandardOutputWritten()
{
    return std::fflush(stdout) == 0 && std::ferror(stdout) == 0;
}

} // namespace quelvan
