#include "graphics/CChartAxis.h"

#include "graphics/ChartLayout.h"
#include "graphics/DrawPalette.h"
#include "graphics/NShpText.h"

namespace quelvan::graphics {

namespace {
constexpr int kLabelPenIndex = 4;
constexpr int kLabelFillIndex = 1;
} // namespace

CChartAxis::CChartAxis(const ChartLayout& layout)
    : layout_(layout)
    , tickLengthVertical_(layout.tickLengthVertical)
    , tickLengthHorizontal_(layout.tickLengthHorizontal)
    , endLabelWidth_(layout.tickLabelWidth)
    , titleWidth_(layout.titleWidth)
{
}

int CChartAxis::TickLength() const
{
    return orientation_ == AxisOrientation::Vertical ? tickLengthVertical_ : tickLengthHorizontal_;
}

void CChartAxis::Build()
{
    RemoveAllShapes();
    title_ = endA_ = endB_ = nullptr;
    const IPoint a = PointA();
    const IPoint b = PointB();
    AddLine(a, b, kPaletteBlack);
    const int tick = TickLength();
    const int n = divisionCount_ > 0 ? divisionCount_ : 1;
    for (int i = 0; i <= n; ++i) {
        if (a.x != b.x) {
            const int x = a.x + (b.x - a.x) * i / n;
            AddLine({ x, a.y }, { x, a.y - tick }, kPaletteBlack);
        } else {
            const int y = a.y + (b.y - a.y) * i / n;
            AddLine({ a.x - tick, y }, { a.x, y }, kPaletteBlack);
        }
    }
    labelsBelow_ = orientation_ != AxisOrientation::Vertical;
    endB_ = &PlaceLabel(b, endLabelWidth_);
    endA_ = &PlaceLabel(a, endLabelWidth_);
    // The middle label is laid out but never given a text, so it never shows.
    PlaceLabel({ (a.x + b.x) / 2, (a.y + b.y) / 2 }, endLabelWidth_);
    if (!showTitle_)
        return;
    const ChartLayout& layout = layout_;
    IPoint anchor { (3 * b.x + a.x) / 4, (3 * b.y + a.y) / 4 };
    if (labelsBelow_)
        anchor.y -= layout.labelHeight;
    else
        anchor.x -= layout.labelHeight / 2;
    NShpText& title = PlaceLabel(anchor, titleWidth_);
    title.SetText("Label Axe");
    title.SetHorizontalAlignment(TextAlign::End);
    if (!labelsBelow_) {
        // A vertical axis' title sits above its labels, from the left edge of the world to a
        // little past the top label.
        IRect r = title.Rect();
        r.left = 3;
        r.right = endB_->Rect().right + 15;
        title.SetRect(r);
        title.SetAlignment(TextAlign::Centre, TextAlign::Centre);
    }
    title_ = &title;
}

NShpText& CChartAxis::PlaceLabel(IPoint p, int width)
{
    const ChartLayout& layout = layout_;
    const int tick = TickLength();
    const int h = layout.labelHeight;
    IRect box;
    TextAlign horizontal = TextAlign::Centre;
    TextAlign vertical = TextAlign::Start;
    if (labelsBelow_) {
        box = { p.x - width / 2, p.y - layout.labelGapBelow - h - tick, p.x - width / 2 + width,
            p.y - layout.labelGapBelow - tick };
    } else {
        horizontal = TextAlign::End;
        vertical = TextAlign::Centre;
        box = { p.x - layout.labelGapLeft - tick - width, p.y - h / 2,
            p.x - layout.labelGapLeft - tick, p.y + h / 2 };
    }
    NShpText& label = AddText(box, kLabelPenIndex, kLabelFillIndex, {}, -1, false);
    label.SetAlignment(horizontal, vertical);
    return label;
}

void CChartAxis::SetTitle(Label text)
{
    if (title_)
        title_->SetText(std::move(text));
}

void CChartAxis::SetEndLabel(AxisEnd end, const std::string& text)
{
    NShpText* label = end == AxisEnd::B ? endB_ : endA_;
    if (label)
        label->SetText(text);
}

} // namespace quelvan::graphics
