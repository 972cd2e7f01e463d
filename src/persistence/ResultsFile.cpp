#include "persistence/ResultsFile.h"

#include "model/KslDoc.h"

namespace quelvan {

std::string ResultsFilePath(const KslDoc& doc)
{
    return doc.pathWithoutExtension + ".res";
}

bool WriteResultsFile(const KslDoc& doc)
{
    if (doc.unnamed)
        return false;
    return WriteResultsFile(doc, ResultsFilePath(doc));
}

bool WriteResultsFile(const KslDoc& doc, const std::string& path)
{
    // Decimal commas, so that a French spreadsheet reads the numbers as numbers.
    return doc.results.Write(path, true);
}

} // namespace quelvan
