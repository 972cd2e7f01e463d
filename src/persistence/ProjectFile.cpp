#include "persistence/ProjectFile.h"

#include "core/TextFile.h"
#include "model/KslDoc.h"

#include <string_view>

namespace quelvan {

namespace {

// A project file is a few kilobytes; anything far larger is not one.
constexpr std::size_t kMaxProjectFileBytes = 4u * 1024u * 1024u;

// The bytes of the file: CR LF after every line, Windows-1252 when every character fits and
// the file then decodes back to the same text, UTF-8 otherwise.
std::string FileBytes(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    std::string bytes = EncodeForFile(text);
    // Windows-1252 bytes that happen to form valid UTF-8 would be read back as UTF-8.
    if (DecodeFromFile(bytes) != text)
        bytes = text;
    return bytes;
}

// The lines as the reader gets them from the file: split at LF, a CR before the LF dropped.
std::vector<std::string> LinesOf(std::string_view text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        const bool ended = end != std::string_view::npos;
        if (!ended)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (ended && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

} // namespace

int ReadProjectFile(KslDoc& doc, const std::string& path)
{
    doc.BuildBuiltInData();
    const auto file = ReadTextLines(path, kMaxProjectFileBytes);
    if (!file)
        return kReadFailed;
    // Read into a separate document so that a file failing half-way changes nothing.
    KslDoc read;
    if (ParseProjectLines(read, file->lines) != kReadOk)
        return kReadFailed;
    doc.TakeProjectData(read);
    return kReadOk;
}

WriteResult WriteProjectFile(const KslDoc& doc, const std::string& path)
{
    const std::string bytes = FileBytes(FormatProjectLines(doc));
    // The fixed columns cannot hold every text (a value too long and holding blanks, a name
    // with a line end): read the file back in memory first and write it only when the project
    // comes back whole.
    KslDoc check;
    if (ParseProjectLines(check, LinesOf(DecodeFromFile(bytes))) != kReadOk
        || !SameProjectData(doc, check))
        return WriteResult::ValueTooLong;
    return WriteFileAtomically(path, bytes) ? WriteResult::Ok : WriteResult::CannotWrite;
}

} // namespace quelvan
