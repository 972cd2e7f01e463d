#pragma once

#include "core/ReadError.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reading and writing the program's text files (projects, results, weather data).
// Files of the original platform are Windows-1252 with CR LF line ends; files written here are
// Windows-1252 when every character fits, UTF-8 otherwise. Inside the program text is UTF-8.
namespace quelvan {

bool IsValidUtf8(std::string_view bytes);
std::string Cp1252ToUtf8(std::string_view bytes);
// Empty optional when a character has no Windows-1252 code.
std::optional<std::string> Utf8ToCp1252(std::string_view text);
// UTF-8 text as it will be stored: Windows-1252 when everything fits, else unchanged UTF-8.
// DecodeFromFile always gives the text back: Windows-1252 bytes that would read as UTF-8 are
// stored as UTF-8 instead, and a leading U+FEFF gets a byte-order mark before it.
std::string EncodeForFile(std::string_view utf8Text);
// Bytes read from a file, as UTF-8: kept when valid UTF-8, else decoded from Windows-1252.
std::string DecodeFromFile(std::string_view bytes);

struct TextLines {
    std::vector<std::string> lines; // decoded, without line ends
    bool lastLineEnded = true; // false when the file's last line had no line end
};

// Splits decoded text at LF, dropping a CR before each LF; a last line without LF is kept as it
// stands, CR included.
TextLines SplitLines(std::string_view text);
// Every line followed by CR LF (the platform's text line end).
std::string JoinCrLf(const std::vector<std::string>& lines);

// The largest file the readers take unless they say otherwise: far above any real weather year.
inline constexpr std::size_t kMaxTextFileBytes = 64u * 1024u * 1024u;

// A whole text file read, or why not: no such file (NotFound), a symbolic link to nothing or a
// loop of links (BrokenLink), not a regular file (NotAFile: a folder, a named pipe, a device),
// larger than the reader's limit (TooLarge), or Unreadable.
struct TextFileRead {
    std::optional<TextLines> text;
    ReadFault fault = ReadFault::Unreadable;
};

// Reads a whole regular file of at most maxBytes, decodes it and splits it (SplitLines). The
// file's type and size are checked before anything is read, and it is opened without waiting,
// so a named pipe or a device never blocks the reader.
TextFileRead ReadTextFile(const std::string& path, std::size_t maxBytes = kMaxTextFileBytes);

// ReadTextFile without the reason: empty optional when the file cannot be read.
std::optional<TextLines> ReadTextLines(
    const std::string& path, std::size_t maxBytes = kMaxTextFileBytes);

// Writes bytes to a temporary file in the target's folder (TemporaryFile: a short name, removed
// if a signal ends the program), flushes it and renames it over the target, so a failed or
// interrupted write leaves the previous file intact. A symbolic link is written through. A
// target that exists and is not a regular file (a folder, a named pipe, a device) is never
// replaced. False on any failure.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// Joins lines with CR LF (the platform's text line end), encodes them (EncodeForFile) and
// writes them atomically.
bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines);

} // namespace quelvan
