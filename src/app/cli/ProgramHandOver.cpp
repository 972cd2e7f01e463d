#include "app/cli/ProgramHandOver.h"

#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace quelvan::cli {

std::string ProgramBeside(const std::string& name)
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || self.empty())
        return {};
    return (self.parent_path() / name).string();
}

void ReplaceProcess(const std::string& path, const char* const* argv)
{
    if (path.empty())
        return;
    // execv takes the arguments as non-const only for historical reasons; it does not change them.
    execv(path.c_str(), const_cast<char* const*>(argv));
}

} // namespace quelvan::cli
