#pragma once

#include "graphics/NShape.h"

#include <span>
#include <vector>

namespace quelvan::graphics {

// A curve: points in the owning drawable's world units, produced from data values through the
// curve's own transform (data range -> plot rectangle).
class NShpPolyLine : public NShape {
public:
    static constexpr int kDefaultEndIndex = 32000;

    NShpPolyLine();

    void Draw(QPainter& painter, const CDrawTransform& transform) const override;

    const std::vector<FPoint>& Points() const { return points_; }
    std::vector<FPoint>& Points() { return points_; }
    int FirstIndex() const { return firstIndex_; }
    void SetFirstIndex(int index) { firstIndex_ = index; }
    // Points drawn are those below both the end index and the point count.
    int EndIndex() const { return endIndex_; }
    void SetEndIndex(int index) { endIndex_ = index; }
    bool UsesOwnPen() const { return HasPen(); }

    const CDrawTransform& DataTransform() const { return dataTransform_; }

    // Data values from (xMin, yMin) to (xMax, yMax) are mapped onto the plot rectangle.
    void SetDataRange(float xMin, float yMin, float xMax, float yMax);
    void SetPlotRectangle(IPoint origin, IPoint corner);
    // Resizes the point list to the values (x of kept points unchanged) and sets each y to the
    // mapped value; first index 0, end index = count.
    void SetYValues(std::span<const float> values);
    // Point i's x becomes the mapped index i.
    void SetXFromIndex();
    // Point i's x becomes the mapped value x; an index outside the list is ignored.
    void SetXValue(int index, float x);

private:
    std::vector<FPoint> points_;
    int firstIndex_ = 0;
    int endIndex_ = kDefaultEndIndex;
    CDrawTransform dataTransform_ { TransformMode::Curve };
};

} // namespace quelvan::graphics
