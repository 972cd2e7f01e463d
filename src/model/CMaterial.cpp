#include "model/CMaterial.h"

#include "core/NumberText.h"

#include <array>
#include <cmath>

namespace quelvan {

namespace {

constexpr std::array<Colour, CMaterial::kColourCount> kColourTable {
    MakeColour(168, 168, 168),
    MakeColour(144, 144, 144),
    MakeColour(127, 127, 127),
    MakeColour(110, 110, 110),
    MakeColour(232, 188, 106),
    MakeColour(230, 155, 97),
    MakeColour(227, 122, 91),
    MakeColour(208, 73, 34),
    MakeColour(183, 64, 30),
    MakeColour(177, 173, 20),
    MakeColour(209, 205, 24),
    MakeColour(232, 227, 57),
    MakeColour(232, 227, 57),
    MakeColour(242, 240, 145),
    MakeColour(243, 243, 243),
    MakeColour(230, 230, 230),
    MakeColour(210, 210, 210),
    MakeColour(209, 205, 24),
    MakeColour(177, 173, 20),
    MakeColour(230, 155, 97),
    MakeColour(227, 122, 91),
    MakeColour(208, 73, 34),
    MakeColour(183, 64, 30),
};

} // namespace

Colour CMaterial::TableColour(int index)
{
    if (index < 0 || index >= kColourCount)
        return kColourTable[0];
    return kColourTable[static_cast<size_t>(index)];
}

CMaterial::CMaterial()
    : CMaterial(-1, 0, "Defaut", "1.75", "2000", "1000")
{
}

CMaterial::CMaterial(int identifier, int colourIndex, std::string name, std::string conductivity,
    std::string density, std::string capacity)
    : conductivity_(std::move(conductivity))
    , density_(std::move(density))
    , capacity_(std::move(capacity))
{
    SetName(std::move(name));
    SetIdentifier(identifier);
    SetIdentifierBase(kIdentifierBase);
    SetColour(TableColour(colourIndex));
}

void CMaterial::AssignFrom(const CMaterial& other)
{
    SetName(other.Name());
    conductivity_ = other.conductivity_;
    density_ = other.density_;
    capacity_ = other.capacity_;
    SetColour(other.GetColour());
}

MaterialDerivedTexts DerivedTexts(
    const std::string& conductivity, const std::string& density, const std::string& capacity)
{
    float lambda = 0;
    float rho = 0;
    float c = 0;
    if (!ParseFloat(conductivity, lambda) || !ParseFloat(density, rho) || !ParseFloat(capacity, c))
        return { "---", "---" };
    const double l = lambda;
    const double rc = static_cast<double>(rho) * static_cast<double>(c);
    // The small constants keep a zero density or capacity from dividing by zero.
    const double diffusivity = l / (rc + 1e-7);
    const double effusivity = std::sqrt(std::fabs(rc * l) + 1e-7);
    return { FormatDouble("%.2f", diffusivity * 1e6), FormatDouble("%.0f", effusivity) };
}

} // namespace quelvan
