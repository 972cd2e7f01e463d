#include "persistence/ResultsFile.h"

#include "core/FileIdentity.h"
#include "core/NFileName.h"
#include "model/KslDoc.h"
#include "persistence/ProjectFile.h"

#include <cerrno>
#include <unistd.h>

namespace quelvan {

std::string ResultsFilePathFor(const std::string& projectPath)
{
    return NFileName(projectPath).WithExtension("res");
}

std::string ResultsFilePath(const KslDoc& doc)
{
    return ResultsFilePathFor(doc.fullPath);
}

bool WriteResultsFile(const KslDoc& doc)
{
    // A project saved under a name ending in ".res" would be replaced by its own results.
    if (doc.unnamed || SameFile(ResultsFilePath(doc), doc.fullPath))
        return false;
    return WriteResultsFile(doc, ResultsFilePath(doc));
}

bool ResultsBesideStillApply(const KslDoc& doc, const std::string& projectPath)
{
    KslDoc saved;
    if (ReadProjectFile(saved, projectPath) != Failure::None)
        return false;
    saved.author = doc.author;
    saved.reference = doc.reference;
    saved.printChoices = doc.printChoices;
    return SameProjectData(doc, saved);
}

bool RemoveResultsFile(const std::string& projectPath)
{
    const std::string results = ResultsFilePathFor(projectPath);
    if (SameFile(results, projectPath))
        return false;
    return ::unlink(results.c_str()) == 0 || errno == ENOENT;
}

bool WriteResultsFile(const KslDoc& doc, const std::string& path)
{
    // Decimal commas, so that a French spreadsheet reads the numbers as numbers.
    return doc.results.Write(path, true);
}

} // namespace quelvan
