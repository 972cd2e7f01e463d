#pragma once

#include <string>

namespace quelvan {

class KslDoc;

// The results file of a project: its path without extension followed by ".res".
std::string ResultsFilePath(const KslDoc& doc);
// Writes the results table, tab separated with decimal commas. False when the project is
// unnamed or the file cannot be written.
bool WriteResultsFile(const KslDoc& doc);
bool WriteResultsFile(const KslDoc& doc, const std::string& path);

} // namespace quelvan
