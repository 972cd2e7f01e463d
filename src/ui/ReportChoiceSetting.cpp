#include "ui/ReportChoiceSetting.h"

#include <QSettings>

namespace quelvan::ui {

namespace {
const QString kKey = QStringLiteral("Impression/BilanAnnuel");

QSettings Settings()
{
    return QSettings(
        QStringLiteral("Local AppWizard-Generated Applications"), QStringLiteral("Quelvan"));
}
} // namespace

bool StoredAnnualBalanceChoice()
{
    return Settings().value(kKey, false).toBool();
}

void StoreAnnualBalanceChoice(bool chosen)
{
    Settings().setValue(kKey, chosen);
}

} // namespace quelvan::ui
