#pragma once

#include <QObject>
#include <QStringList>

#include <string>
#include <vector>

namespace quelvan::ui {

// The recent-file list of "Fichier récent", kept in the per-user settings: the last projects
// opened or saved, most recent first. A path that is valid UTF-8 is kept as text in the
// settings, any other as its bytes.
class RecentFiles : public QObject {
    Q_OBJECT
public:
    static constexpr int kCount = 4;

    using QObject::QObject;

    // As shown, and as the system's bytes.
    QStringList Texts() const;
    std::vector<std::string> Paths() const;
    // Puts the file (made absolute) first, dropping an older place of it and the oldest beyond
    // kCount.
    void Add(const std::string& path);

signals:
    void changed();
};

} // namespace quelvan::ui
