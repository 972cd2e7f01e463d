#pragma once

#include <string>
#include <vector>

// The one rule of every command that writes files: nothing it writes may destroy what it reads
// or another of its own outputs.
namespace quelvan::cli {

// Checks the files a command will write against the files it reads, before any work. Refuses,
// with a French message on standard error: an output that is an input (the same path once
// resolved, or the same file through a hard or symbolic link), an output named twice, an output
// that is an existing folder. Empty names are skipped (outputs not asked for). True when every
// output may be written.
bool OutputsAreSafe(
    const std::vector<std::string>& inputs, const std::vector<std::string>& outputs);

} // namespace quelvan::cli
