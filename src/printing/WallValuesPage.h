#pragma once

#include <QRect>

class QPainter;

namespace quelvan {
class KslDoc;
struct CalculationInputs;
struct RunView;
} // namespace quelvan

namespace quelvan::printing {

// The values inside the wall at the last computed hour: the project data tables on the left,
// and on the right the temperature profile above the heat-flux profile, against the abscissa
// across the wall in millimetres.
void DrawWallValuesPage(QPainter& painter, const QRect& body, const KslDoc& doc,
    const CalculationInputs& form, const RunView& run, int rowHeight);

// The wall's thickness in millimetres: the calculation's when there is one, else the sum of the
// layers' thickness texts that read as numbers.
double WallThicknessMillimetres(const KslDoc& doc, const RunView& run);

} // namespace quelvan::printing
