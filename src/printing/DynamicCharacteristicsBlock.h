#pragma once

#include "graphics/NGridTable.h"

#include <QPoint>

class QPainter;

namespace quelvan {
class KslDoc;
struct DynamicCharacteristics;
struct SurfaceTexts;
} // namespace quelvan

// The wall's dynamic characteristics on the project data page.
namespace quelvan::printing {

// The caption above the block, with the period of the regime.
inline constexpr const char* kDynamicCaption
    = "Caractéristiques dynamiques de la paroi (période 24 h) :";

// "Grandeur" | "Valeur" | "Unité", then one row per value: its name, its value as the program
// shows it and its unit ("-" for a ratio).
graphics::NGridTable DynamicCharacteristicsTable(
    const DynamicCharacteristics& values, int rowHeight);

// The caption at topLeft, then the table of the wall made of the document's layers and these
// surface resistances, or the wall check's message when the wall cannot be computed. Gives the
// height drawn.
int DrawDynamicCharacteristics(QPainter& painter, const KslDoc& doc, const SurfaceTexts& surfaces,
    QPoint topLeft, int rowHeight);

} // namespace quelvan::printing
