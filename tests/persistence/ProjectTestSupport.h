#pragma once

// Folders, bytes and lines for the project-file tests. Lines are found by what they start
// with, after the count line of their section, never by their position in the file.
#include "core/ReadError.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace quelvan {

// Failures show a read error as its message would.
inline void PrintTo(const ReadError& error, std::ostream* os)
{
    *os << FormatReadError("ReadError", error);
}

} // namespace quelvan

namespace quelvan::test {

// The count lines of a new project's sections, and the line before the print choices.
inline constexpr std::string_view kMaterials = "N= 19  : nb de materiaux";
inline constexpr std::string_view kExterior = "N= 12  : nb de CL exterieures";
inline constexpr std::string_view kInterior = "N=  9  : nb de CL interieures";
inline constexpr std::string_view kLayers = "N=  3 : nb de couches";
inline constexpr std::string_view kPrintChoiceCount = "N=          10 :";

// Position of the first line starting with key after the line starting with section (from the
// first line when section is empty).
inline size_t LineIndex(
    const std::vector<std::string>& lines, std::string_view key, std::string_view section = {})
{
    size_t i = section.empty() ? 0 : LineIndex(lines, section) + 1;
    for (; i < lines.size(); ++i)
        if (lines[i].starts_with(key))
            return i;
    ADD_FAILURE() << "no line starts with " << key << " after " << section;
    return 0;
}

} // namespace quelvan::test
