#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace quelvan::test {

// A fresh folder of its own under the system's temporary folder (tests of one executable may run
// at once in separate processes), removed with everything in it, read-only parts included.
class TempFolder {
public:
    explicit TempFolder(const std::string& prefix = "quelvan")
    {
        std::string pattern
            = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
        if (char* made = ::mkdtemp(pattern.data()))
            path_ = made;
    }
    ~TempFolder()
    {
        std::error_code ignored;
        if (!path_.empty()) {
            std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                std::filesystem::perm_options::add, ignored);
            std::filesystem::remove_all(path_, ignored);
        }
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace quelvan::test
