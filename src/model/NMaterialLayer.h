#pragma once

#include <string>

namespace quelvan {

class CMaterial;

// One layer of the wall: a material of the library (not owned) and a thickness in millimetres
// kept as typed. A layer may have no material (a project file naming a missing index); such a
// layer never reaches the engine or the drawing.
class NMaterialLayer {
public:
    NMaterialLayer() = default;
    NMaterialLayer(const CMaterial* material, std::string thickness);
    virtual ~NMaterialLayer() = default;
    NMaterialLayer(const NMaterialLayer&) = default;
    NMaterialLayer& operator=(const NMaterialLayer&) = default;

    const CMaterial* Material() const { return material_; }
    void SetMaterial(const CMaterial* material) { material_ = material; }
    const std::string& Thickness() const { return thickness_; }
    void SetThickness(std::string text) { thickness_ = std::move(text); }

    // R = e / (1000 λ) in m².K/W, both read with ParseFloat (0 when unreadable); 0 without a
    // material.
    double Resistance() const;

private:
    std::string thickness_ = "undefined";
    const CMaterial* material_ = nullptr;
};

} // namespace quelvan
