#pragma once

namespace quelvan::ui {

// Whether the printed report ends with the "Bilan annuel" page, chosen in "Choix des
// impressions..." and kept in the application settings: the project file keeps only its own
// print choices.
bool StoredAnnualBalanceChoice();
void StoreAnnualBalanceChoice(bool chosen);
// Whether it ends with the "Risque de condensation" page, kept the same way.
bool StoredCondensationChoice();
void StoreCondensationChoice(bool chosen);
// Whether a page beyond the project's print choices is chosen (the report is then never empty).
bool StoredExtraPageChoice();

} // namespace quelvan::ui
