#pragma once

#include "graphics/NGridTable.h"

#include <QPoint>

class QPainter;

#include "model/AmbianceCodes.h"

namespace quelvan {
class CBCData;
class KslDoc;
struct CalculationInputs;
} // namespace quelvan

// The tables of the project data: the wall's placement, its layers, its surfaces and the two
// ambiances. They are filled here and drawn with the table grid, every column sized to its
// widest text.
namespace quelvan::printing {

// "Données de la paroi" | "Valeurs", then the azimuth and the inclination in degrees.
graphics::NGridTable PlacementTable(int azimuthDegrees, int inclinationDegrees, int rowHeight);
// One row per layer, exterior first: number, thickness text, material name. With two layers or
// more the first number reads "1 (Extérieur)" and the last "n (Intérieur)".
graphics::NGridTable LayersTable(const KslDoc& doc, int rowHeight);
// Absorption, surface resistance and ambiance name of the exterior and interior faces.
graphics::NGridTable SurfacesTable(const CalculationInputs& form, int rowHeight);
// One profile of an ambiance: period, form and the parameters the form uses, as stored. An
// ambiance taken from a weather file has no such table: 0 rows.
graphics::NGridTable AmbianceTable(const CBCData& ambiance, Component component, int rowHeight);

// Sizes the columns in the grid's font, places the table at (x, y), draws it and returns its
// height; an empty table draws nothing and gives 0.
int DrawTable(QPainter& painter, graphics::NGridTable& table, int x, int y);
// The ambiance table drawn at (x, y); its height, 0 for a weather-file ambiance.
int DrawAmbianceTable(
    QPainter& painter, const CBCData& ambiance, Component component, int x, int y, int rowHeight);

// The row height (at most maxRowHeight) with which the whole project data fits a body of that
// height, counting the tables' rows, the spacing between them and three caption lines of
// captionHeight.
int ProjectDataRowHeight(const KslDoc& doc, const CalculationInputs& form, int bodyHeight,
    int captionHeight, int maxRowHeight);

// Where the project data ended: the lowest and rightmost edges drawn.
struct DrawnExtent {
    int bottom = 0;
    int right = 0;
};
// The project data from topLeft down: the wall's caption and its placement, layers and
// surfaces tables, then the exterior ambiance (unless it comes from a weather file) and the
// interior ambiance, each under its caption.
DrawnExtent DrawProjectData(QPainter& painter, const KslDoc& doc, const CalculationInputs& form,
    QPoint topLeft, int rowHeight);

} // namespace quelvan::printing
