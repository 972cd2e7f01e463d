#pragma once

#include "graphics/CDrawObject.h"
#include "graphics/ChartLayout.h"
#include "graphics/NRectWithTextShape.h"

#include <string>

namespace quelvan::graphics {

class NShpText;

enum class AxisOrientation : int { Horizontal = 0, Vertical = 1 };
// The ends of an axis: B is the right end of X and the top of Y, A the left end and the bottom.
enum class AxisEnd : int { B = 0, A = 1 };

// One axis of a chart: a line from point A to point B with evenly spaced ticks, a label at
// each end and an optional title. Build lays it out again from the current settings; label
// texts set before a rebuild must be set again after it.
class CChartAxis : public CDrawObject {
public:
    // Widths, tick lengths and label places come from the chart's layout.
    explicit CChartAxis(const ChartLayout& layout = {});

    void Build() override;

    AxisOrientation Orientation() const { return orientation_; }
    void SetOrientation(AxisOrientation orientation) { orientation_ = orientation; }
    int DivisionCount() const { return divisionCount_; }
    void SetDivisionCount(int count) { divisionCount_ = count; }
    bool ShowsTitle() const { return showTitle_; }
    void SetShowTitle(bool show) { showTitle_ = show; }
    int EndLabelWidth() const { return endLabelWidth_; }
    void SetEndLabelWidth(int width) { endLabelWidth_ = width; }
    int TitleWidth() const { return titleWidth_; }
    void SetTitleWidth(int width) { titleWidth_ = width; }
    int TickLength() const;

    // Null until built (the title only when shown).
    NShpText* TitleLabel() const { return title_; }
    NShpText* EndBLabel() const { return endB_; }
    NShpText* EndALabel() const { return endA_; }

    // No text: the title shows nothing.
    void SetTitle(Label text);
    void SetEndLabel(AxisEnd end, const std::string& text);

private:
    NShpText& PlaceLabel(IPoint p, int width);

    NShpText* title_ = nullptr;
    NShpText* endB_ = nullptr;
    NShpText* endA_ = nullptr;
    ChartLayout layout_;
    int tickLengthVertical_;
    int tickLengthHorizontal_;
    AxisOrientation orientation_ = AxisOrientation::Horizontal;
    int divisionCount_ = 5;
    int endLabelWidth_;
    int titleWidth_;
    bool showTitle_ = false;
    bool labelsBelow_ = true; // horizontal label placement (set by Build)
};

} // namespace quelvan::graphics
