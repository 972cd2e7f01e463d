#include "ui/CalculationModeSetting.h"

#include <QSettings>

namespace quelvan::ui {

namespace {
const QString kKey = QStringLiteral("Calcul/Mode");

QSettings Settings()
{
    return QSettings(
        QStringLiteral("Local AppWizard-Generated Applications"), QStringLiteral("Quelvan"));
}
} // namespace

CalculationMode StoredCalculationMode()
{
    // Any other value than the fine mode's code (none stored, a foreign text) is the standard.
    const int code = Settings().value(kKey, 0).toInt();
    return code == static_cast<int>(CalculationMode::Fine) ? CalculationMode::Fine
                                                           : CalculationMode::Standard;
}

void StoreCalculationMode(CalculationMode mode)
{
    Settings().setValue(kKey, static_cast<int>(mode));
}

} // namespace quelvan::ui
