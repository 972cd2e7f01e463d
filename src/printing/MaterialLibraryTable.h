#pragma once

#include "graphics/NGridTable.h"

namespace quelvan {
class KslDoc;
}

namespace quelvan::printing {

// The material library as the report lists it: name, the three properties as typed, then the
// diffusivity and the effusivity ("---" when a property does not read as a number), one row per
// material in library order. drawingWidth is the page's width between the side margins: the
// table is 50 units narrower, each value column taking 12 % of that and the name the rest.
graphics::NGridTable MaterialLibraryTable(const KslDoc& doc, int drawingWidth, int rowHeight);

// The row height that lets the whole library fit a body of that height (header two rows high),
// at most maxRowHeight and never below minRowHeight.
int LibraryRowHeight(int materialCount, int bodyHeight, int maxRowHeight, int minRowHeight);

} // namespace quelvan::printing
