#include "persistence/ProjectFile.h"

#include "core/Messages.h"
#include "core/TextFile.h"
#include "core/TextTrim.h"
#include "model/KslDoc.h"

namespace quelvan {

namespace {

// A project file is a few kilobytes; anything far larger is not one.
constexpr std::size_t kMaxProjectFileBytes = 4u * 1024u * 1024u;

// The bytes of the file: CR LF after every line, Windows-1252 when every character fits and
// the file then decodes back to the same text, UTF-8 otherwise.
std::string FileBytes(const std::vector<std::string>& lines)
{
    const std::string text = JoinCrLf(lines);
    std::string bytes = EncodeForFile(text);
    // Windows-1252 bytes that happen to form valid UTF-8 would be read back as UTF-8.
    if (DecodeFromFile(bytes) != text)
        bytes = text;
    return bytes;
}

} // namespace

Failure ReadProjectFile(KslDoc& doc, const std::string& path, ReadError* error)
{
    doc.BuildBuiltInData();
    const TextFileRead file = ReadTextFile(path, kMaxProjectFileBytes);
    if (!file.text) {
        if (error != nullptr)
            *error = { {}, 0, {}, file.fault, {},
                file.fault == ReadFault::TooLarge ? kMaxProjectFileBytes : 0 };
        return Failure::General;
    }
    // Read into a separate document so that a file failing half-way changes nothing.
    KslDoc read;
    if (ParseProjectLines(read, file.text->lines, error) != Failure::None)
        return Failure::General;
    doc.TakeProjectData(read);
    return Failure::None;
}

bool HoldsProject(const std::string& path)
{
    const std::optional<TextLines> text = ReadTextLines(path, kMaxProjectFileBytes);
    if (!text || text->lines.empty())
        return false;
    constexpr std::string_view kVersionEnd = ": numero de version";
    const std::string_view first = TrimBlanks(text->lines.front());
    if (first.size() > kVersionEnd.size() && first.ends_with(kVersionEnd))
        return true;
    KslDoc read;
    return ParseProjectLines(read, text->lines) == Failure::None;
}

std::string ReadErrorMessage(const ReadError& error)
{
    return FormatReadError(msg::kReadError, error);
}

WriteResult WriteProjectFile(const KslDoc& doc, const std::string& path)
{
    const std::string bytes = FileBytes(FormatProjectLines(doc));
    // The fixed columns cannot hold every text (a value too long and holding blanks, a name
    // with a line end): read the file back in memory first and write it only when the project
    // comes back whole.
    KslDoc check;
    if (ParseProjectLines(check, SplitLines(DecodeFromFile(bytes)).lines) != Failure::None
        || !SameProjectData(doc, check))
        return WriteResult::ValueTooLong;
    return WriteFileAtomically(path, bytes) ? WriteResult::Ok : WriteResult::CannotWrite;
}

} // namespace quelvan
