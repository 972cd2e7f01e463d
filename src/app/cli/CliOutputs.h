#pragma once

#include <string>
#include <vector>

// The one rule of every command that writes files: nothing it writes may destroy what it reads,
// another of its own outputs, a file that is not a regular file, or, unless told, a project or a
// weather file.
namespace quelvan::cli {

// Checks the files a command will write against the files it reads, before any work. Refuses,
// with a French message on standard error: an output that is an existing folder or another
// existing file that is not a regular file (a named pipe, a device), an output that is an input
// (the same path once resolved, or the same file through a hard or symbolic link), an output
// named twice, and, without `force`, an existing output that holds a project or a weather year
// (outputs of the command's own kind, results, images and reports, are replaced). Empty names
// are skipped (outputs not asked for). True when every output may be written.
bool OutputsAreSafe(const std::vector<std::string>& inputs, const std::vector<std::string>& outputs,
    bool force = false);

// For commands whose work is long (studies, a year): refuses, with a French message on standard
// error, an output whose folder does not exist or cannot be written into, so that the failure
// comes before the work rather than after it. Empty names are skipped.
bool OutputFoldersAreWritable(const std::vector<std::string>& outputs);

} // namespace quelvan::cli
