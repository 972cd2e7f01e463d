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

// A save of a project without results writes no results file; the one already beside the
// project file is kept while it still holds this project's results, and removed otherwise,
// since it would be taken for them. Whether it still does is decided before the project file
// at projectPath is replaced: that file reads, and holds the same calculation as doc (every
// stored value but the author, the reference and the print choices, which no calculation
// reads).
bool ResultsBesideStillApply(const KslDoc& doc, const std::string& projectPath);
// Removes the results file of the project file at projectPath, never the project file itself
// (a project named mur.res). True when no such results file remains.
bool RemoveResultsFile(const std::string& projectPath);

} // namespace quelvan
