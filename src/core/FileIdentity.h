#pragma once

#include <string>

// Whether two paths lead to one file, so that a command never writes over what it reads.
namespace quelvan {

// True when both paths resolve to the same place (".", "..", symbolic links and repeated
// separators resolved, for files that do not exist yet too), or when both exist and are the
// same file by device and inode (a hard link, a symbolic link).
bool SameFile(const std::string& a, const std::string& b);

} // namespace quelvan
