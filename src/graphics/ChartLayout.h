#pragma once

namespace quelvan::graphics {

// Layout constants of a chart and its axes, in world units: the screen's by default; a chart
// is given its own when it is built (the printed report's are larger labels, narrower gaps).
struct ChartLayout {
    int labelHeight = 70;
    int titleWidth = 300;
    int tickLabelWidth = 120;
    int labelGapBelow = 17; // between a horizontal axis' tick end and its labels
    int labelGapLeft = 15; // between a vertical axis' tick end and its labels
    int tickLengthVertical = 15;
    int tickLengthHorizontal = 15;
};

// A Y range rounded outward to whole units: top is the smallest integer not below the data
// maximum; bottom is the largest integer below the minimum when the minimum is not positive
// (so an exact 0 gives -1) and the integer part of a positive minimum.
struct IntegerRange {
    int bottom = 0;
    int top = 0;
};
// Empty data count as 0 for both extremes.
IntegerRange IntegerRangeRule(double minValue, double maxValue);

} // namespace quelvan::graphics
