#pragma once

#include <QDialog>

namespace quelvan::ui {

// "A propos de Quelvan": the program's icon, its version line (the project file format's,
// "Quelvan V1.20a"), the program's release version beside it, and "OK".
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
    static QString VersionLine();
    // "Version du programme : 1.21.0 (fichiers au format 1.20a)".
    static QString ReleaseLine();
};

} // namespace quelvan::ui
