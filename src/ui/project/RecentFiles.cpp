#include "ui/project/RecentFiles.h"

#include "core/TextFile.h"
#include "graphics/QtStrings.h"
#include "ui/project/FilePath.h"
#include "ui/project/ProgramSettings.h"

#include <QFileInfo>
#include <QSettings>
#include <QVariant>

#include <algorithm>
#include <filesystem>

namespace quelvan::ui {

namespace {

QString Key(int number)
{
    return QStringLiteral("Recent File List/File%1").arg(number);
}

} // namespace

QStringList RecentFiles::Texts() const
{
    QStringList files;
    for (const std::string& path : Paths())
        files << PathText(path);
    return files;
}

std::vector<std::string> RecentFiles::Paths() const
{
    QSettings settings = ProgramSettings();
    std::vector<std::string> files;
    for (int i = 1; i <= kCount; ++i) {
        const QVariant value = settings.value(Key(i));
        const std::string file = value.typeId() == QMetaType::QByteArray
            ? value.toByteArray().toStdString()
            : FromQ(value.toString());
        if (!file.empty())
            files.push_back(file);
    }
    return files;
}

void RecentFiles::Add(const std::string& path)
{
    const std::string absolute = IsValidUtf8(path)
        ? FromQ(QFileInfo(ToQ(path)).absoluteFilePath())
        : std::filesystem::absolute(path).lexically_normal().string();
    std::vector<std::string> files = Paths();
    std::erase(files, absolute);
    files.insert(files.begin(), absolute);
    QSettings settings = ProgramSettings();
    for (int i = 0; i < kCount; ++i) {
        const std::string file
            = i < static_cast<int>(files.size()) ? files[static_cast<size_t>(i)] : "";
        settings.setValue(Key(i + 1),
            IsValidUtf8(file) ? QVariant(ToQ(file)) : QVariant(QByteArray::fromStdString(file)));
    }
    emit changed();
}

} // namespace quelvan::ui
