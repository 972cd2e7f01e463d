#pragma once

#include "engine/CalculationMode.h"

namespace quelvan::ui {

// The calculation mode the application uses ("Calcul fin" in the "Données" menu), kept in the
// application settings beside the recent files: the project file has no field for it.
CalculationMode StoredCalculationMode();
void StoreCalculationMode(CalculationMode mode);

} // namespace quelvan::ui
