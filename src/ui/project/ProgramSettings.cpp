#include "ui/project/ProgramSettings.h"

namespace quelvan::ui {

QSettings ProgramSettings()
{
    return QSettings(
        QStringLiteral("Local AppWizard-Generated Applications"), QStringLiteral("Quelvan"));
}

} // namespace quelvan::ui
