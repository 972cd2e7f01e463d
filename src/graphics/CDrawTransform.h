#pragma once

#include "graphics/Geometry.h"

namespace quelvan::graphics {

// How world extents map onto device extents.
enum class TransformMode : int {
    Independent = 1000, // each axis scaled on its own
    Isotropic = 1001, // both axes get the same scale magnitude
    Curve = 1002, // independent: data-to-plot mapping of curves
};

// The world or device coordinate a mapping works on.
enum class Coordinate : int { X = 0, Y = 1 };

// Maps world coordinates of a drawable onto device units of a surface. All the arithmetic is
// single precision, as the drawings were designed with it (the 5e-5 and 5e-6 guards avoid
// dividing by an empty extent).
class CDrawTransform {
public:
    CDrawTransform() = default;
    explicit CDrawTransform(TransformMode mode)
        : mode_(mode)
    {
    }
    virtual ~CDrawTransform() = default;
    CDrawTransform(const CDrawTransform&) = default;
    CDrawTransform& operator=(const CDrawTransform&) = default;

    TransformMode Mode() const { return mode_; }
    void SetMode(TransformMode mode);

    void SetWorldOrigin(float x, float y);
    void SetWorldOrigin(int x, int y);
    void SetWorldExtent(float width, float height);
    void SetWorldExtent(int width, int height);
    void SetDeviceOrigin(int x, int y);
    void SetDeviceExtent(int width, int height);

    // Derives the scales from the extents; run after any extent change.
    void Recompute();
    bool IsDirty() const { return dirty_; }

    float WorldToDeviceF(Coordinate axis, float value) const;
    float DeviceToWorldF(Coordinate axis, float value) const;
    // Integer forms: 5e-7 added, then truncated toward zero.
    int WorldToDevice(Coordinate axis, float value) const;
    int DeviceToWorld(Coordinate axis, float value) const;
    IPoint WorldToDevice(IPoint p) const;
    IPoint DeviceToWorld(IPoint p) const;
    IRect WorldToDevice(const IRect& r) const;
    IRect DeviceToWorld(const IRect& r) const;

    float WorldOriginX() const { return worldOriginX_; }
    float WorldOriginY() const { return worldOriginY_; }
    float WorldWidth() const { return worldWidth_; }
    float WorldHeight() const { return worldHeight_; }
    float DeviceOriginX() const { return deviceOriginX_; }
    float DeviceOriginY() const { return deviceOriginY_; }
    float DeviceWidth() const { return deviceWidth_; }
    float DeviceHeight() const { return deviceHeight_; }
    float ScaleX() const { return scaleX_; }
    float ScaleY() const { return scaleY_; }
    float InverseScaleX() const { return inverseScaleX_; }
    float InverseScaleY() const { return inverseScaleY_; }

private:
    TransformMode mode_ = TransformMode::Independent;
    float worldOriginX_ = 0.0f;
    float worldOriginY_ = 0.0f;
    float worldWidth_ = 0.0f;
    float worldHeight_ = 0.0f;
    float deviceOriginX_ = 0.0f;
    float deviceOriginY_ = 0.0f;
    float deviceWidth_ = 0.0f;
    float deviceHeight_ = 0.0f;
    bool dirty_ = true;
    float scaleX_ = 1.0f;
    float scaleY_ = 1.0f;
    float inverseScaleX_ = 1.0f;
    float inverseScaleY_ = 1.0f;
};

} // namespace quelvan::graphics
