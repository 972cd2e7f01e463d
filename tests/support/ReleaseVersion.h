#pragma once

// The release version as CMakeLists.txt sets it (project(Quelvan VERSION x.y.z)), read from the
// file itself so that the programs' version texts are checked against their source of truth.
#include "support/TempFolder.h"

#include <regex>
#include <string>

namespace quelvan::test {

// An empty text when the project line is missing.
inline std::string VersionInCMakeLists()
{
    const std::string text = ReadBytes(QUELVAN_SOURCE_DIR "/CMakeLists.txt");
    std::smatch match;
    const std::regex project(R"(project\(Quelvan\s+VERSION\s+([0-9]+\.[0-9]+\.[0-9]+)\s)");
    return std::regex_search(text, match, project) ? match[1].str() : std::string();
}

} // namespace quelvan::test
