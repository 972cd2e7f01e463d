#pragma once

#include <QDialog>

namespace quelvan::ui {

// "A propos de Quelvan": the program's icon, its version line and "OK".
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
    static QString VersionLine();
};

} // namespace quelvan::ui
