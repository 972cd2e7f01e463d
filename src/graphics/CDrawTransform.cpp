#include "graphics/CDrawTransform.h"

#include <cmath>

namespace quelvan::graphics {

namespace {

// Integer arguments are stored slightly above the integer so that a later truncation of a
// mapped value never falls one unit short.
constexpr float kIntegerBias = 5e-7f;
constexpr float kExtentGuard = 5e-5f;
constexpr float kScaleGuard = 5e-6f;

float FromInt(int v)
{
    return static_cast<float>(v) + kIntegerBias;
}

// |magnitude| with the sign of reference; a reference of 0 counts as negative.
float WithSignOf(float magnitude, float reference)
{
    const float m = std::fabs(magnitude);
    return reference > 0.0f ? m : -m;
}

int Truncated(float v)
{
    return TruncatedCoordinate(v + kIntegerBias);
}

} // namespace

void CDrawTransform::SetMode(TransformMode mode)
{
    mode_ = mode;
    dirty_ = true;
}

void CDrawTransform::SetWorldOrigin(float x, float y)
{
    worldOriginX_ = x;
    worldOriginY_ = y;
}

void CDrawTransform::SetWorldOrigin(int x, int y)
{
    SetWorldOrigin(FromInt(x), FromInt(y));
}

void CDrawTransform::SetWorldExtent(float width, float height)
{
    worldWidth_ = width;
    worldHeight_ = height;
    dirty_ = true;
}

void CDrawTransform::SetWorldExtent(int width, int height)
{
    SetWorldExtent(FromInt(width), FromInt(height));
}

void CDrawTransform::SetDeviceOrigin(int x, int y)
{
    deviceOriginX_ = FromInt(x);
    deviceOriginY_ = FromInt(y);
}

void CDrawTransform::SetDeviceExtent(int width, int height)
{
    deviceWidth_ = FromInt(width);
    deviceHeight_ = FromInt(height);
    dirty_ = true;
}

void CDrawTransform::Recompute()
{
    scaleX_ = deviceWidth_ / (worldWidth_ + kExtentGuard);
    scaleY_ = deviceHeight_ / (worldHeight_ + kExtentGuard);
    if (mode_ == TransformMode::Isotropic) {
        // Both axes take the smaller magnitude; each keeps its own direction, so a negative
        // device height still flips y.
        if (std::fabs(scaleY_) <= std::fabs(scaleX_))
            scaleX_ = WithSignOf(scaleY_, scaleX_);
        else
            scaleY_ = WithSignOf(scaleX_, scaleY_);
    }
    inverseScaleX_ = 1.0f / (scaleX_ + kScaleGuard);
    inverseScaleY_ = 1.0f / (scaleY_ + kScaleGuard);
    dirty_ = false;
}

float CDrawTransform::WorldToDeviceF(Coordinate axis, float value) const
{
    if (axis == Coordinate::X)
        return (value - worldOriginX_) * scaleX_ + deviceOriginX_;
    return (value - worldOriginY_) * scaleY_ + deviceOriginY_;
}

float CDrawTransform::DeviceToWorldF(Coordinate axis, float value) const
{
    if (axis == Coordinate::X)
        return (value - deviceOriginX_) * inverseScaleX_ + worldOriginX_;
    return (value - deviceOriginY_) * inverseScaleY_ + worldOriginY_;
}

int CDrawTransform::WorldToDevice(Coordinate axis, float value) const
{
    return Truncated(WorldToDeviceF(axis, value));
}

int CDrawTransform::DeviceToWorld(Coordinate axis, float value) const
{
    return Truncated(DeviceToWorldF(axis, value));
}

IPoint CDrawTransform::WorldToDevice(IPoint p) const
{
    return { WorldToDevice(Coordinate::X, static_cast<float>(p.x)),
        WorldToDevice(Coordinate::Y, static_cast<float>(p.y)) };
}

IPoint CDrawTransform::DeviceToWorld(IPoint p) const
{
    return { DeviceToWorld(Coordinate::X, static_cast<float>(p.x)),
        DeviceToWorld(Coordinate::Y, static_cast<float>(p.y)) };
}

IRect CDrawTransform::WorldToDevice(const IRect& r) const
{
    const IPoint a = WorldToDevice(IPoint { r.left, r.top });
    const IPoint b = WorldToDevice(IPoint { r.right, r.bottom });
    return { a.x, a.y, b.x, b.y };
}

IRect CDrawTransform::DeviceToWorld(const IRect& r) const
{
    const IPoint a = DeviceToWorld(IPoint { r.left, r.top });
    const IPoint b = DeviceToWorld(IPoint { r.right, r.bottom });
    return { a.x, a.y, b.x, b.y };
}

} // namespace quelvan::graphics
