#pragma once

#include "core/ErrorCodes.h"
#include "core/ReadError.h"

#include <string>
#include <vector>

namespace quelvan {

class KslDoc;

inline constexpr const char* kProjectVersion = "1.20a";
// Longest line the reader accepts, in characters; a longer line makes the file malformed, and
// a project that would need one is not written.
inline constexpr int kMaxProjectLineLength = 1000;

enum class WriteResult {
    Ok,
    CannotWrite, // the file (or its temporary) could not be created, written or renamed
    ValueTooLong // a value would not read back from its fixed columns; nothing was written
};

// The ".ksl" lines of a project (UTF-8, without line ends), in the fixed-column format.
std::vector<std::string> FormatProjectLines(const KslDoc& doc);
// Overwrites the document (whose built-in data were just rebuilt) from decoded lines following
// the layout (ProjectLayout.h): Failure::None, or Failure::General with the line, the field and
// the reason of the first fault in *error when given. After a failure the document may be partly
// overwritten.
Failure ParseProjectLines(
    KslDoc& doc, const std::vector<std::string>& lines, ReadError* error = nullptr);

// Whether two documents hold the same persisted project data: references, print choices 0 to 4,
// placement, surfaces, initial-temperature mode, selections, every material, ambiance and
// layer field the file stores (a layer's material by library index). Value texts are compared
// without their surrounding blanks, which the fixed columns never keep. The first difference
// found is described in difference when given.
bool SameProjectData(const KslDoc& a, const KslDoc& b, std::string* difference = nullptr);

// Rebuilds the built-in data, then reads the file. Failure::General, with where and why in *error
// when given, for any malformed file: missing lines, an integer field that does not read or
// lies outside its limits, a line longer than kMaxProjectLineLength, an initial-temperature
// mode, azimuth or inclination not in its table, a layer naming no material of the library.
// The document is changed only when the whole file read; after a failure it holds the
// built-in data of a new project.
Failure ReadProjectFile(KslDoc& doc, const std::string& path, ReadError* error = nullptr);
// Whether the file at the path holds a project, read or damaged: it reads as one, or its first
// line is a version line ("1.20a: numero de version"). Commands that write other kinds of files
// refuse to replace such a file unless told to.
bool HoldsProject(const std::string& path);
// "Erreur en lecture : ligne 23, champ L= : nombre attendu".
std::string ReadErrorMessage(const ReadError& error);
// Checks that the formatted lines read back into the same project, then writes them
// atomically (CR LF, Windows-1252 when every character fits).
WriteResult WriteProjectFile(const KslDoc& doc, const std::string& path);

} // namespace quelvan
