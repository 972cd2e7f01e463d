#pragma once

#include <optional>
#include <string>

namespace quelvan {

// A data file shipped with the program, in a folder beside the installed weather folder
// (share/quelvan/FOLDER/NAME): the one beside the running program's prefix, then the one of the
// prefix it was built for, then the build tree's copy. Nothing when none of them is a regular
// file.
std::optional<std::string> FindInstalledDataFile(
    const std::string& folder, const std::string& name);

// The catalogue of generic materials (share/quelvan/materials/catalogue-materiaux.csv).
std::optional<std::string> FindMaterialCatalogue();

} // namespace quelvan
