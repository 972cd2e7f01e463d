#pragma once

#include "engine/annual/AnnualBalance.h"
#include "graphics/NGridTable.h"

#include <QRect>
#include <optional>
#include <string>

class QPainter;

namespace quelvan::printing {

// The monthly table of the annual balance: a row per month and one for the year, a column per
// figure with its unit under its name, the value columns sharing the width left by the names.
graphics::NGridTable AnnualBalanceTable(
    const annual::AnnualBalanceResult& result, int drawingWidth, int rowHeight);

// The "Bilan annuel" page: the balance's title, its monthly table, then side by side the
// monthly losses and gains against the steady-state estimate and the interior surface
// temperature over the year, each above its legend. Without a result the page shows why
// (refusal) under its caption.
void DrawAnnualBalancePage(QPainter& painter, const QRect& body,
    const std::optional<annual::AnnualBalanceResult>& result, const std::string& refusal,
    const std::string& subject = {});

} // namespace quelvan::printing
