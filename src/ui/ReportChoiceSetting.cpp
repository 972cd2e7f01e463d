#include "ui/ReportChoiceSetting.h"

#include "ui/ProgramSettings.h"

namespace quelvan::ui {

namespace {
const QString kKey = QStringLiteral("Impression/BilanAnnuel");
} // namespace

bool StoredAnnualBalanceChoice()
{
    return ProgramSettings().value(kKey, false).toBool();
}

void StoreAnnualBalanceChoice(bool chosen)
{
    ProgramSettings().setValue(kKey, chosen);
}

} // namespace quelvan::ui
