#pragma once

#include <string>

namespace quelvan {

// Splits a project path into the parts the document keeps. Both "/" and "\" separate folders;
// the extension is the text after the last "." of the last path element, so a dot in a folder
// name never cuts the path and "mur.v1.ksl" has the name "mur.v1". The path is kept as given,
// blanks included.
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
    // The path with its last extension replaced ("mur.v1.ksl", "res" gives "mur.v1.res"): the
    // one rule naming the results file and the report beside a project.
    std::string WithExtension(const std::string& extension) const
    {
        return PathWithoutExtension() + "." + extension;
    }

private:
    std::string fullPath_;
    std::string name_;
    std::string extension_;
    std::string directory_;
    std::string drive_;
    std::string directoryWithoutDrive_;
};

} // namespace quelvan
