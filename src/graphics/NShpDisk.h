#pragma once

#include "graphics/NShape.h"

namespace quelvan::graphics {

// A filled circle given by its centre and radius in world units.
class NShpDisk : public NShape {
public:
    NShpDisk(IPoint centre, int radius)
        : NShape(ShapeType::Disk)
        , centre_(centre)
        , radius_(radius)
    {
    }

    void Draw(QPainter& painter, const CDrawTransform& transform) const override;

    IPoint Centre() const { return centre_; }
    int Radius() const { return radius_; }

private:
    IPoint centre_;
    int radius_;
};

} // namespace quelvan::graphics
