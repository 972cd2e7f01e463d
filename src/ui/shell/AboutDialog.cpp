#include "ui/shell/AboutDialog.h"

#include "core/ReleaseVersion.h"
#include "graphics/QtStrings.h"
#include "persistence/ProjectFile.h"
#include "ui/widgets/ControlNames.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace quelvan::ui {

QString AboutDialog::VersionLine()
{
    return QStringLiteral("Quelvan") + QStringLiteral(" V") + ToQ(kProjectVersion);
}

QString AboutDialog::ReleaseLine()
{
    return QStringLiteral("Version du programme : ") + ToQ(kReleaseVersion)
        + QStringLiteral(" (fichiers au format ") + ToQ(kProjectVersion) + QStringLiteral(")");
}

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("A propos de ") + QStringLiteral("Quelvan"));
    auto* layout = new QGridLayout(this);
    auto* icon = new QLabel;
    icon->setPixmap(QPixmap(QStringLiteral(":/icons/quelvan-64.png")));
    layout->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(Named(new QLabel(VersionLine()), 1116), 0, 1);
    layout->addWidget(new QLabel(QStringLiteral(
                          "Conduction thermique transitoire à travers une paroi multicouche")),
        1, 1);
    // The version line above names the project file format; this one the program's release.
    auto* release = new QLabel(ReleaseLine());
    release->setObjectName(QStringLiteral("releaseVersion"));
    layout->addWidget(release, 2, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons, 3, 0, 1, 2);
}

} // namespace quelvan::ui
