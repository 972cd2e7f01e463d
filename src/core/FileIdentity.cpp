#include "core/FileIdentity.h"

#include <filesystem>
#include <sys/stat.h>
#include <system_error>

namespace quelvan {

namespace {

// The absolute path with every existing part resolved; empty when it cannot be made.
std::filesystem::path Resolved(const std::string& path)
{
    std::error_code error;
    std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
    return error ? std::filesystem::path() : resolved;
}

} // namespace

bool SameFile(const std::string& a, const std::string& b)
{
    if (a.empty() || b.empty())
        return false;
    struct stat first { };
    struct stat second { };
    if (::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0)
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    const std::filesystem::path resolvedA = Resolved(a);
    return !resolvedA.empty() && resolvedA == Resolved(b);
}

} // namespace quelvan
