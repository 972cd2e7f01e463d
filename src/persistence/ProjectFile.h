#pragma once

#include <string>
#include <vector>

namespace quelvan {

class KslDoc;

inline constexpr const char* kProjectVersion = "1.20a";
inline constexpr int kReadOk = 0;
inline constexpr int kReadFailed = 9999;

enum class WriteResult {
    Ok,
    CannotWrite, // the file (or its temporary) could not be created, written or renamed
    ValueTooLong // a value would not read back from its fixed columns; nothing was written
};

// The ".ksl" lines of a project (UTF-8, without line ends), in the fixed-column format.
std::vector<std::string> FormatProjectLines(const KslDoc& doc);
// Overwrites the document (whose built-in data were just rebuilt) from decoded lines:
// kReadOk or kReadFailed.
int ParseProjectLines(KslDoc& doc, const std::vector<std::string>& lines);

// Rebuilds the built-in data, then reads the file. kReadFailed for any malformed file.
int ReadProjectFile(KslDoc& doc, const std::string& path);
// Checks that the formatted lines read back into the same project, then writes them
// atomically (CR LF, Windows-1252 when every character fits).
WriteResult WriteProjectFile(const KslDoc& doc, const std::string& path);

} // namespace quelvan
