// Layout, drawing area and info box of the main form.
#include "ui/main/KslView.h"

#include "ui/main/ChartNotes.h"
#include "ui/main/FluxDensityWindow.h"

#include "graphics/CChart.h"
#include "graphics/CWallDrawing.h"
#include "graphics/Legend.h"
#include "graphics/NShpRectangle.h"
#include "graphics/ProfileChart.h"
#include "graphics/QtStrings.h"
#include "model/CMaterial.h"
#include "model/NMaterialLayer.h"
#include "ui/main/CalculationRunner.h"
#include "ui/main/ReadoutLabel.h"
#include "ui/widgets/NumberEdit.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace quelvan::ui {

namespace {
constexpr int kRowHeight = 22;
constexpr int kFirstRow = 18; // 3 + integer part of 0.7 × 22 under a titled box's top
constexpr int kRowStep = 26;
constexpr int kBoxHeight = 120;
constexpr int kLegendTop = 340; // under the last read-out row (301 + 22)

// A labelled field row inside a box of width w: label from 5, field from L + 5 (44 wide),
// unit from L + 53 to 2 pixels before the box's right edge.
void PlaceRow(int y, int labelWidth, int boxWidth, QLabel* label, QWidget* field, QLabel* unit)
{
    label->setGeometry(5, y, labelWidth, kRowHeight);
    field->setGeometry(labelWidth + 5, y, 44, kRowHeight);
    if (unit)
        unit->setGeometry(labelWidth + 53, y, boxWidth - 2 - (labelWidth + 53), kRowHeight);
}
// A labelled drop-down list reaching 5 pixels inside the right edge.
void PlaceListRow(int y, int labelWidth, int boxWidth, QLabel* label, QComboBox* list)
{
    label->setGeometry(5, y, labelWidth, kRowHeight);
    list->setGeometry(labelWidth + 5, y, boxWidth - 5 - (labelWidth + 5), kRowHeight);
}
void PlaceFullWidth(int y, int boxWidth, QWidget* w)
{
    w->setGeometry(5, y, boxWidth - 10, kRowHeight);
}
} // namespace

void KslView::resizeEvent(QResizeEvent*)
{
    DoLayout();
}

void KslView::DoLayout()
{
    const int W = width();
    const int H = height();
    const int c = (W - 20) / 3 - 113;
    columnIncrement_ = c;
    const int boxWidth = c + 113;

    // The drawing square: the area from (3, 126) to (W - 3, H - 3) narrowed on its longer side.
    QRect area(QPoint(3, kBoxHeight + 6), QPoint(W - 3, H - 3));
    const int side = std::max(0, std::min(area.width(), area.height()));
    square_ = QRect(area.left() + (area.width() - side) / 2,
        area.top() + (area.height() - side) / 2, side, side);

    exteriorBox_->setGeometry(4, 0, boxWidth, kBoxHeight);
    PlaceRow(kFirstRow, c, boxWidth, boxLabels_[0], absorptionExterior_, boxUnits_[0]);
    PlaceRow(kFirstRow + kRowStep, c, boxWidth, boxLabels_[1], resistanceExterior_, boxUnits_[1]);
    exteriorAmbianceLabel_->setGeometry(5, kFirstRow + 2 * kRowStep, c + 102, kRowHeight);
    PlaceFullWidth(kFirstRow + 2 * kRowStep + 22, boxWidth, exteriorAmbiance_);

    wallBox_->setGeometry(c + 122, 0, boxWidth, kBoxHeight);
    PlaceListRow(kFirstRow, c - 40, boxWidth, azimuthLabel_, azimuth_);
    PlaceListRow(kFirstRow + kRowStep, c - 40, boxWidth, inclinationLabel_, inclination_);
    // The button is centred in its 25-pixel row.
    layersButton_->setGeometry(5, kFirstRow + kRowStep + 24 + 1, boxWidth - 10, kRowHeight);
    PlaceFullWidth(kFirstRow + kRowStep + 24 + 25, boxWidth, initialTemperature_);

    interiorBox_->setGeometry(2 * c + 240, 0, boxWidth, kBoxHeight);
    PlaceRow(kFirstRow, c, boxWidth, boxLabels_[2], absorptionInterior_, boxUnits_[2]);
    PlaceRow(kFirstRow + kRowStep, c, boxWidth, boxLabels_[3], resistanceInterior_, boxUnits_[3]);
    interiorAmbianceLabel_->setGeometry(5, kFirstRow + 2 * kRowStep, c + 102, kRowHeight);
    PlaceFullWidth(kFirstRow + 2 * kRowStep + 22, boxWidth, interiorAmbiance_);

    const std::array<int, 6> rows { 126, 151, 176, 201, 276, 301 };
    auto placeReadout = [](const auto& r, int left, int y) {
        r.label->setGeometry(left + 5, y, 90, kRowHeight);
        r.value->setGeometry(left + 95, y, 44, kRowHeight);
        r.unit->setGeometry(left + 143, y, 60, kRowHeight);
    };
    for (size_t i = 0; i < exteriorReadouts_.size(); ++i)
        placeReadout(exteriorReadouts_[i], 5, rows[i]);
    for (size_t i = 0; i < interiorReadouts_.size(); ++i)
        placeReadout(interiorReadouts_[i], W - 203, rows[i]);

    panel_->setGeometry(W - 140, H - 162, 135, 159);
    modeButton_->setGeometry(W - 125, H - 145, 110, kRowHeight);
    runBox_->setGeometry(W - 135, H - 119, 125, 113);
    runButton_->setGeometry(W - 125, H - 101, 110, kRowHeight);
    stepButton_->setGeometry(W - 125, H - 78, 110, kRowHeight);
    stopButton_->setGeometry(W - 125, H - 55, 110, kRowHeight);
    tracerButton_->setGeometry(W - 125, H - 32, 110, kRowHeight);
    for (QWidget* w : std::initializer_list<QWidget*> {
             modeButton_, runButton_, stepButton_, stopButton_, tracerButton_ })
        w->raise();
    UpdateChartMapping();
}

void KslView::UpdateChartMapping()
{
    // Both drawables put their world top at the square's top edge, y growing upwards.
    const int top = square_.top() - 1;
    const int height = -square_.height() - 1;
    wall_->SetDeviceMapping(square_.left(), top, square_.width(), height);
    chart_->Chart().SetDeviceMapping(square_.left(), top, square_.width(), height);
}

void KslView::RebuildWallDrawing()
{
    infoShape_ = nullptr;
    hitShape_ = nullptr;
    wall_->Build();
    UpdateChartMapping();
}

void KslView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (calculationMode_) {
        chart_->Chart().Draw(painter);
        const RunView& run = runner_->Engine().View();
        // The legend under the exterior read-outs; the mode in the chart's corner.
        if (run.prepared)
            graphics::DrawLegendColumn(
                painter, QPoint(10, kLegendTop), ProfileLegend(chart_->Chart()));
        DrawFineModeLabel(painter, square_, run);
    } else {
        wall_->Draw(painter);
    }
}

void KslView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || calculationMode_)
        return;
    const QPoint p = event->position().toPoint();
    const graphics::CDrawTransform& t = wall_->Transform();
    const graphics::IPoint world = t.DeviceToWorld(graphics::IPoint { p.x(), p.y() });
    const graphics::NShape* hit = wall_->HitTest(world, graphics::HitSlot::Ordinary);
    hitShape_ = hit && hit->HasOwner() ? hit : nullptr;
    if (!hitShape_)
        return;
    // The box: 100 × 20 pixels in drawing units, under the point, kept inside the square.
    const graphics::IPoint sqA
        = t.DeviceToWorld(graphics::IPoint { square_.left(), square_.bottom() });
    const graphics::IPoint sqB
        = t.DeviceToWorld(graphics::IPoint { square_.right(), square_.top() });
    const int minX = std::min(sqA.x, sqB.x);
    const int maxX = std::max(sqA.x, sqB.x);
    const int minY = std::min(sqA.y, sqB.y);
    const int maxY = std::max(sqA.y, sqB.y);
    const graphics::IPoint size0 = t.DeviceToWorld(graphics::IPoint { 0, 0 });
    const graphics::IPoint size1 = t.DeviceToWorld(graphics::IPoint { 100, 20 });
    const int w = std::abs(size1.x - size0.x);
    const int h = std::abs(size1.y - size0.y);
    graphics::IRect box { world.x - w, world.y + 10, world.x + w, world.y + 10 + h };
    auto shift = [](graphics::IRect& r, int dx, int dy) {
        r.left += dx;
        r.right += dx;
        r.top += dy;
        r.bottom += dy;
    };
    if (box.left < minX)
        shift(box, minX - box.left, 0);
    if (box.right > maxX)
        shift(box, maxX - box.right, 0);
    if (box.bottom > maxY)
        shift(box, 0, maxY - box.bottom);
    if (box.top < minY)
        shift(box, 0, minY - box.top);
    if (infoShape_)
        wall_->RemoveShape(infoShape_);
    infoBox_.reset();
    infoShape_ = &wall_->AddInfoBox(box);
    if (const auto* layer = hitShape_->OwnerAs<NMaterialLayer>())
        infoShape_->SetText(FromQ(LayerInfoText(*layer)));
    else
        infoShape_->SetText(" OTH");
    update();
}

void KslView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !hitShape_)
        return;
    // The box leaves the drawing but stays allocated until the next press replaces it.
    if (infoShape_) {
        std::unique_ptr<graphics::NShape> removed = wall_->RemoveShape(infoShape_);
        infoBox_.reset(static_cast<graphics::NShpRectangle*>(removed.release()));
        infoShape_ = nullptr;
    }
    hitShape_ = nullptr;
    update();
}

} // namespace quelvan::ui
