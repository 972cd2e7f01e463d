#pragma once

#include "model/GElement.h"

#include <array>
#include <string>

namespace quelvan {

// A building material of the project's library. The thermal properties are kept as the text
// the user typed and read with ParseFloat where a number is needed.
class CMaterial : public GElement {
public:
    static constexpr int kIdentifierBase = 3001;
    static constexpr int kColourCount = 23;

    // "Defaut", 1.75 W/m.K, 2000 kg/m3, 1000 J/kg.K, colour 0.
    CMaterial();
    CMaterial(int identifier, int colourIndex, std::string name, std::string conductivity,
        std::string density, std::string capacity);

    // Copies name, properties and colour; keeps this material's identifier.
    void AssignFrom(const CMaterial& other);

    // Identifier minus the identifier base (the "O" field of the project file).
    int LibraryIndex() const { return Identifier() - IdentifierBase(); }

    const std::string& Conductivity() const { return conductivity_; }
    const std::string& Density() const { return density_; }
    const std::string& Capacity() const { return capacity_; }
    void SetConductivity(std::string text) { conductivity_ = std::move(text); }
    void SetDensity(std::string text) { density_ = std::move(text); }
    void SetCapacity(std::string text) { capacity_ = std::move(text); }

    static Colour TableColour(int index);

    friend bool operator==(const CMaterial&, const CMaterial&) = default;

private:
    std::string conductivity_;
    std::string density_;
    std::string capacity_;
};

// Derived values shown in the material lists, dialogs and report: diffusivity in 10-6 m²/s
// ("%.2f") and effusivity ("%.0f"); both "---" when a property does not read as a number.
struct MaterialDerivedTexts {
    std::string diffusivity;
    std::string effusivity;
};
MaterialDerivedTexts DerivedTexts(
    const std::string& conductivity, const std::string& density, const std::string& capacity);

// The headers of a material's value columns, name and unit on two lines, in the order of the
// material list and of the printed library: conductivity, density, heat capacity and the two
// derived values. The printed library states the effusivity's unit without its scale
// (kPrintedEffusivityHeader).
inline constexpr std::array<const char*, 5> kMaterialValueHeaders { "Conductivité\n(W/m.K)",
    "Masse vol.\n(kg/m3)", "Capacité\n(J/kg.K)", "Diffusivité\n10-6.(m²/s)",
    "Effusivité\n10-6.(U.S.I.)" };
inline constexpr const char* kPrintedEffusivityHeader = "Effusivité\n(U.S.I.)";

} // namespace quelvan
