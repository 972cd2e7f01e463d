#include "ui/project/ReportChoiceSetting.h"

#include "ui/project/ProgramSettings.h"

namespace quelvan::ui {

namespace {
const QString kKey = QStringLiteral("Impression/BilanAnnuel");
const QString kCondensationKey = QStringLiteral("Impression/RisqueCondensation");
} // namespace

bool StoredAnnualBalanceChoice()
{
    return ProgramSettings().value(kKey, false).toBool();
}

void StoreAnnualBalanceChoice(bool chosen)
{
    ProgramSettings().setValue(kKey, chosen);
}

bool StoredCondensationChoice()
{
    return ProgramSettings().value(kCondensationKey, false).toBool();
}

void StoreCondensationChoice(bool chosen)
{
    ProgramSettings().setValue(kCondensationKey, chosen);
}

bool StoredExtraPageChoice()
{
    return StoredAnnualBalanceChoice() || StoredCondensationChoice();
}

} // namespace quelvan::ui
