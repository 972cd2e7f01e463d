#pragma once

namespace quelvan::ui {

// Whether the printed report ends with the "Bilan annuel" page, chosen in "Choix des
// impressions..." and kept in the application settings: the project file keeps only its own
// print choices.
bool StoredAnnualBalanceChoice();
void StoreAnnualBalanceChoice(bool chosen);

} // namespace quelvan::ui
