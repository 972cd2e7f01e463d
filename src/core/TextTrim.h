#pragma once

#include <string_view>

// The two trims of the program's texts. Each format says which blank it ignores around a value:
// the program's own texts ignore spaces only, comma-separated files any white space.
namespace quelvan {

// Spaces removed from both ends, nothing else (a tab is kept): fixed columns, typed numbers,
// profile values, file names.
constexpr std::string_view TrimBlanks(std::string_view text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Spaces, tabs, CR and LF removed from both ends: the fields of comma-separated files.
constexpr std::string_view TrimWhitespace(std::string_view text)
{
    constexpr std::string_view kWhitespace = " \t\r\n";
    const size_t first = text.find_first_not_of(kWhitespace);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kWhitespace) - first + 1);
}

} // namespace quelvan
