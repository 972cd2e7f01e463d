#pragma once

#include <string>

namespace quelvan {

// Splits a project path into the parts the document keeps. Both "/" and "\" separate folders;
// the extension starts at the first "." of the last path element, so a dot in a folder name
// never cuts the path.
class NFileName {
public:
    explicit NFileName(const std::string& path);

    const std::string& FullPath() const { return fullPath_; }
    const std::string& Name() const { return name_; }
    const std::string& Extension() const { return extension_; }
    const std::string& Directory() const { return directory_; }
    const std::string& Drive() const { return drive_; }
    const std::string& DirectoryWithoutDrive() const { return directoryWithoutDrive_; }
    // Folder plus name, without the extension.
    std::string PathWithoutExtension() const { return directory_ + name_; }

private:
    std::string fullPath_;
    std::string name_;
    std::string extension_;
    std::string directory_;
    std::string drive_;
    std::string directoryWithoutDrive_;
};

} // namespace quelvan
