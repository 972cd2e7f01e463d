#pragma once

#include <string>

// Running another program of the tool in place of this process, with the same arguments.
namespace quelvan::cli {

// The path of the program of that name in the folder of the running program, or an empty text
// when the running program's own path cannot be read.
std::string ProgramBeside(const std::string& name);

// Replaces this process by the program at the path, given the same arguments (the program's
// name first). Returns only when that program could not be started (absent, not executable).
void ReplaceProcess(const std::string& path, const char* const* argv);

} // namespace quelvan::cli
