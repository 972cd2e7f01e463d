#pragma once

#include <string>

namespace quelvan {

class KslDoc;

// The results file of a project: its path with the last extension replaced by ".res"
// (mur.v1.ksl gives mur.v1.res).
std::string ResultsFilePathFor(const std::string& projectPath);
std::string ResultsFilePath(const KslDoc& doc);
// Writes the results table, tab separated with decimal commas. False when the project is
// unnamed, when its results name is the project file itself, or when the file cannot be written.
bool WriteResultsFile(const KslDoc& doc);
bool WriteResultsFile(const KslDoc& doc, const std::string& path);

} // namespace quelvan
