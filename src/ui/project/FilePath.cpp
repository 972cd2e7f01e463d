#include "ui/project/FilePath.h"

#include <QFile>

#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <system_error>

namespace quelvan::ui {

namespace {

bool EntryExists(const std::string& path)
{
    struct stat info { };
    return ::lstat(path.c_str(), &info) == 0;
}

// The name of the one entry of the folder that Qt shows as `shown`.
std::optional<std::string> EntryShownAs(const std::string& folder, const QString& shown)
{
    std::optional<std::string> found;
    std::error_code error;
    for (const auto& entry :
        std::filesystem::directory_iterator(folder.empty() ? std::string(".") : folder, error)) {
        const std::string name = entry.path().filename().string();
        if (QFile::decodeName(QByteArray::fromStdString(name)) != shown)
            continue;
        if (found)
            return std::nullopt; // two entries show the same: neither is chosen
        found = name;
    }
    return found;
}

} // namespace

QString PathText(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string PathBytes(const QString& path)
{
    std::string utf8 = QFile::encodeName(path).toStdString();
    if (EntryExists(utf8))
        return utf8;
    std::string bytes;
    qsizetype start = 0;
    for (;;) {
        const qsizetype slash = path.indexOf(QLatin1Char('/'), start);
        const QString part = path.mid(start, slash < 0 ? -1 : slash - start);
        const std::string encoded = QFile::encodeName(part).toStdString();
        if (part.isEmpty() || EntryExists(bytes + encoded)) {
            bytes += encoded;
        } else if (const std::optional<std::string> entry = EntryShownAs(bytes, part)) {
            bytes += *entry;
        } else {
            return utf8;
        }
        if (slash < 0)
            return bytes;
        bytes += '/';
        start = slash + 1;
    }
}

} // namespace quelvan::ui
