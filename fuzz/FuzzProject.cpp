// The project reader on arbitrary file bytes, decoded and split as ReadProjectFile does. A
// project that reads is written again: the writer must either refuse it (a value that its
// fixed columns cannot hold) or write lines that read back into the same project.
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
    const int read = ParseProjectLines(doc, lines);
    if (read != kReadOk && read != kReadFailed)
        ReportBrokenInvariant("ParseProjectLines returned an unknown code");
    if (read != kReadOk)
        return 0;

    // The bytes WriteProjectFile would store, and what reading them gives.
    std::string text;
    for (const std::string& line : FormatProjectLines(doc))
        text += line + "\r\n";
    KslDoc back;
    if (ParseProjectLines(back, DecodedLines(EncodeForFile(text))) == kReadOk)
        (void)SameProjectData(doc, back);
    return 0;
}

} // namespace quelvan::fuzz
