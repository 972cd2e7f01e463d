#pragma once

#include "graphics/CChartAxis.h"
#include "graphics/CDrawObject.h"
#include "graphics/ChartLayout.h"

#include <array>
#include <memory>
#include <string>

namespace quelvan::graphics {

class NShpPolyLine;

// The drawable behind every curve plot: a plot rectangle inside a W by H world, an X axis
// along its bottom, a Y axis along its left side, and four curves (0 grey dotted, 1 blue,
// 2 red, 3 black), all hidden until a user shows them. The chart does not choose ranges:
// each user maps its data onto the curves and writes the end labels.
class CChart : public CDrawObject {
public:
    static constexpr int kAxisX = 0;
    static constexpr int kAxisY = 2;
    static constexpr int kCurveCount = 4;

    CChart(TransformMode mode, int worldWidth, int worldHeight, bool showXTitle, bool showYTitle,
        const ChartLayout& layout = {});
    // The dynamic-creation default: isotropic, 1000 by 1000, both titles.
    CChart()
        : CChart(TransformMode::Isotropic, 1000, 1000, true, true)
    {
    }
    ~CChart() override;

    // Background, X axis, Y axis, then the curves in creation order.
    void Draw(QPainter& painter) const override;
    // Axes 0 to 3 in order, then the chart's own shapes.
    NShape* HitTest(IPoint worldPoint, HitSlot slot) const override;

    // The same device origin and extent (negative height: world y grows upward) on the
    // chart's own transform, the background's and the four axes'; each recomputed.
    void SetDeviceMapping(int originX, int originY, int width, int height) override;

    CChartAxis& Axis(int index) { return *axes_[static_cast<size_t>(index)]; }
    const CChartAxis& Axis(int index) const { return *axes_[static_cast<size_t>(index)]; }
    CChartAxis& XAxis() { return Axis(kAxisX); }
    CChartAxis& YAxis() { return Axis(kAxisY); }
    CDrawObject& Background() { return *background_; }

    void SetAxisTitle(Coordinate axis, const std::string& text);
    void SetEndLabel(Coordinate axis, AxisEnd end, const std::string& text);

    NShpPolyLine& Curve(int index) const { return *curves_[static_cast<size_t>(index)]; }

    IPoint PlotOrigin() const { return plotOrigin_; }
    IPoint PlotCorner() const { return plotCorner_; }

    // The object that created the chart (not owned), for the users that need it back.
    const void* Owner() const { return owner_; }
    void SetOwner(const void* owner) { owner_ = owner; }

private:
    void SetWorld(TransformMode mode, int worldWidth, int worldHeight);
    CChartAxis& AxisOf(Coordinate axis) { return Axis(axis == Coordinate::X ? kAxisX : kAxisY); }

    const void* owner_ = nullptr;
    std::unique_ptr<CDrawObject> background_;
    std::array<std::unique_ptr<CChartAxis>, 4> axes_;
    std::array<NShpPolyLine*, kCurveCount> curves_ {};
    IPoint plotOrigin_;
    IPoint plotCorner_;
};

// A 1000 × 1000 curve chart with both axis titles on the screen's layout: where the screen's
// plots start.
CChart NewScreenCurveChart();

} // namespace quelvan::graphics
