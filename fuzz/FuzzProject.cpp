// The project reader on arbitrary file bytes, decoded and split as ReadProjectFile does. A
// refusal names a line of the file or the one after its end. A project that reads is written
// again, and the written lines must read back into the same
// project (WriteProjectFile refuses to write otherwise, so the project could not be saved).
#include "FuzzTargets.h"

#include "core/TextFile.h"
#include "model/KslDoc.h"
#include "persistence/ProjectFile.h"

namespace quelvan::fuzz {

int FuzzProject(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = DecodedLines(bytes);
    KslDoc doc;
    ReadError error;
    const Failure read = ParseProjectLines(doc, lines, &error);
    if (read != Failure::None && read != Failure::General)
        ReportBrokenInvariant("ParseProjectLines returned an unknown code");
    if (read != Failure::None) {
        if (error.line < 1 || static_cast<std::size_t>(error.line) > lines.size() + 1)
            ReportBrokenInvariant("a refusal names no line of the file");
        return 0;
    }

    // The bytes WriteProjectFile would store must read back into the same project: a project
    // that opens but could never be saved again would hold the user's work hostage.
    std::string text;
    for (const std::string& line : FormatProjectLines(doc))
        text += line + "\r\n";
    KslDoc back;
    if (ParseProjectLines(back, DecodedLines(EncodeForFile(text))) != Failure::None)
        ReportBrokenInvariant("a project that reads does not read back once written");
    if (!SameProjectData(doc, back))
        ReportBrokenInvariant("a project that reads changes once written and read again");
    return 0;
}

} // namespace quelvan::fuzz
