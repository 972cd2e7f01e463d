#pragma once

#include "engine/moisture/MoistureStudy.h"
#include "graphics/NGridTable.h"

#include <QRect>
#include <optional>
#include <string>

class QPainter;

namespace quelvan::printing {

// The monthly table of the condensation check: a row per month from the start month, with θe,
// pe, pi, the water held at each place that holds some in the year and the total (g/m²).
graphics::NGridTable CondensationTable(
    const moisture::CondensationResult& result, int width, int rowHeight);

// The "Risque de condensation" page: the verdict in plain words, the climate and the interior,
// the Glaser diagram of the critical month with its legend and its layers, the monthly table
// with the verdict sentence, and the mould check. Without a study the page shows why.
void DrawCondensationPage(QPainter& painter, const QRect& body,
    const std::optional<moisture::Study>& study, const std::string& refusal);

} // namespace quelvan::printing
