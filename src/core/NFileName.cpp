#include "NFileName.h"

#include "TextTrim.h"

namespace quelvan {

NFileName::NFileName(const std::string& path)
{
    fullPath_ = TrimBlanks(path);
    if (!fullPath_.empty() && fullPath_.back() == '.')
        fullPath_.pop_back();

    if (fullPath_.size() > 2 && fullPath_[1] == ':')
        drive_ = fullPath_.substr(0, 2);

    // Both separators are accepted so that paths of either platform split the same way.
    const size_t lastSeparator = fullPath_.find_last_of("/\\");
    const size_t nameStart = lastSeparator == std::string::npos ? 0 : lastSeparator + 1;
    if (lastSeparator != std::string::npos)
        directory_ = fullPath_.substr(0, nameStart);

    // The extension is looked for in the last element only: a dot in a folder name must not
    // cut the path there.
    const size_t dot = fullPath_.find('.', nameStart);
    if (dot == std::string::npos) {
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
