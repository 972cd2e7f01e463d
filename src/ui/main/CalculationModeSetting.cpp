#include "ui/main/CalculationModeSetting.h"

#include "ui/project/ProgramSettings.h"

namespace quelvan::ui {

namespace {
const QString kKey = QStringLiteral("Calcul/Mode");
} // namespace

CalculationMode StoredCalculationMode()
{
    // Any other value than the fine mode's code (none stored, a foreign text) is the standard.
    const int code = ProgramSettings().value(kKey, 0).toInt();
    return code == static_cast<int>(CalculationMode::Fine) ? CalculationMode::Fine
                                                           : CalculationMode::Standard;
}

void StoreCalculationMode(CalculationMode mode)
{
    ProgramSettings().setValue(kKey, static_cast<int>(mode));
}

} // namespace quelvan::ui
