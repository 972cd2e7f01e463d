#include "NFileName.h"

namespace quelvan {

NFileName::NFileName(const std::string& path)
{
    // The path names a file exactly as given: a blank or a final dot is part of its name, so
    // the files derived from it (results, report) sit beside that very file.
    fullPath_ = path;

    if (fullPath_.size() > 2 && fullPath_[1] == ':')
        drive_ = fullPath_.substr(0, 2);

    // Both separators are accepted so that paths of either platform split the same way.
    const size_t lastSeparator = fullPath_.find_last_of("/\\");
    const size_t nameStart = lastSeparator == std::string::npos ? 0 : lastSeparator + 1;
    if (lastSeparator != std::string::npos)
        directory_ = fullPath_.substr(0, nameStart);

    // The extension is the text after the last dot of the last element: a dot in a folder
    // name must not cut the path there, and mur.v1.ksl and mur.v2.ksl keep distinct names.
    const size_t dot = fullPath_.find_last_of('.');
    if (dot == std::string::npos || dot < nameStart) {
        name_ = fullPath_.substr(nameStart);
    } else {
        name_ = fullPath_.substr(nameStart, dot - nameStart);
        extension_ = fullPath_.substr(dot + 1);
    }

    if (!drive_.empty() && directory_.size() >= 2)
        directoryWithoutDrive_ = directory_.substr(2);
    else
        directoryWithoutDrive_ = directory_;
}

} // namespace quelvan
