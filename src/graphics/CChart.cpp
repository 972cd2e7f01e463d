#include "graphics/CChart.h"

#include "graphics/ChartLayout.h"
#include "graphics/DrawPalette.h"
#include "graphics/NShpPolyLine.h"

namespace quelvan::graphics {

namespace {
constexpr std::array<int, CChart::kCurveCount> kCurvePalette { kPaletteGrey, kPaletteBlue,
    kPaletteRed, kPaletteBlack };
} // namespace

CChart::CChart(TransformMode mode, int worldWidth, int worldHeight, bool showXTitle,
    bool showYTitle, const ChartLayout& layout)
    : background_(std::make_unique<CDrawObject>())
{
    for (auto& axis : axes_)
        axis = std::make_unique<CChartAxis>(layout);
    plotOrigin_.x = layout.tickLabelWidth + layout.labelGapLeft + layout.tickLengthVertical + 3;
    plotOrigin_.y = layout.tickLengthHorizontal + layout.labelGapBelow + layout.labelHeight + 3;
    if (showXTitle)
        plotOrigin_.y += layout.labelGapBelow + layout.labelHeight;
    plotCorner_.x = worldWidth - layout.tickLabelWidth / 2 - 1;
    plotCorner_.y = worldHeight - (layout.labelHeight / 4) * 3;

    CChartAxis& x = Axis(0);
    x.SetOrientation(AxisOrientation::Horizontal);
    x.SetPointA(plotOrigin_);
    x.SetPointB({ plotCorner_.x, plotOrigin_.y });
    CChartAxis& y = Axis(2);
    y.SetOrientation(AxisOrientation::Vertical);
    y.SetPointA(plotOrigin_);
    y.SetPointB({ plotOrigin_.x, plotCorner_.y });
    // Spare axes: never drawn, though the hit test visits them.
    CChartAxis& spare = Axis(3);
    spare.SetOrientation(AxisOrientation::Vertical);
    spare.SetPointA({ plotCorner_.x, plotOrigin_.y });
    spare.SetPointB(plotOrigin_);
    Axis(1).SetOrientation(AxisOrientation::Horizontal);

    SetWorld(mode, worldWidth, worldHeight);

    x.SetShowTitle(showXTitle);
    x.Build();
    x.SetTitle("Axe en X");
    y.SetShowTitle(showYTitle);
    spare.SetShowTitle(showYTitle);
    y.Build();
    spare.Build();
    y.SetTitle(std::nullopt); // shows nothing until the chart's user gives it a title
}

CChart::~CChart() = default;

void CChart::SetWorld(TransformMode mode, int worldWidth, int worldHeight)
{
    auto place = [&](CDrawTransform& t) {
        t.SetMode(mode);
        t.SetWorldExtent(worldWidth, worldHeight);
        t.SetWorldOrigin(0, worldHeight);
    };
    place(Transform());
    place(background_->Transform());
    for (auto& axis : axes_)
        place(axis->Transform());
    for (int i = 0; i < kCurveCount; ++i) {
        NShpPolyLine& curve = AddPolyLine();
        curve.SetColour(PaletteColour(kCurvePalette[static_cast<size_t>(i)]));
        if (i == 0)
            curve.SetPenStyle(LineStyle::Dot);
        curve.SetVisible(false);
        curves_[static_cast<size_t>(i)] = &curve;
    }
}

void CChart::Draw(QPainter& painter) const
{
    background_->Draw(painter);
    Axis(kAxisX).Draw(painter);
    Axis(kAxisY).Draw(painter);
    CDrawObject::Draw(painter);
}

NShape* CChart::HitTest(IPoint worldPoint, HitSlot slot) const
{
    for (const auto& axis : axes_)
        if (NShape* hit = axis->HitTest(worldPoint, slot))
            return hit;
    return CDrawObject::HitTest(worldPoint, slot);
}

void CChart::SetDeviceMapping(int originX, int originY, int width, int height)
{
    auto place = [&](CDrawTransform& t) {
        t.SetDeviceOrigin(originX, originY);
        t.SetDeviceExtent(width, height);
        t.Recompute();
    };
    place(Transform());
    place(background_->Transform());
    for (auto& axis : axes_)
        place(axis->Transform());
}

void CChart::SetAxisTitle(Coordinate axis, const std::string& text)
{
    AxisOf(axis).SetTitle(text);
}

void CChart::SetEndLabel(Coordinate axis, AxisEnd end, const std::string& text)
{
    AxisOf(axis).SetEndLabel(end, text);
}

CChart NewScreenCurveChart()
{
    return CChart(TransformMode::Curve, 1000, 1000, true, true, ChartLayout {});
}

} // namespace quelvan::graphics
