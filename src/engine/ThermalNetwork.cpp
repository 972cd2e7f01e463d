#include "engine/ThermalNetwork.h"

#include "core/NumberText.h"
#include "core/Units.h"
#include "model/CMaterial.h"
#include "model/NMaterialLayer.h"
#include "model/WallCheck.h"

namespace quelvan {

using solver::NSparseMatrix;

namespace {
// The single-precision values of 1/3 and 1/6 used by the mass matrix.
constexpr float kThird = 0.33333334f;
constexpr float kSixth = 0.16666667f;
} // namespace

void ThermalNetwork::Build(const NList<NMaterialLayer>& layers, const SurfaceTexts& surfaces)
{
    aInt_ = FloatValue(surfaces.absorptionInterior);
    aExt_ = FloatValue(surfaces.absorptionExterior);
    const float rInt = FloatValue(surfaces.resistanceInterior);
    const float rExt = FloatValue(surfaces.resistanceExterior);
    hInt_ = 1.0f / (rInt + 0.0000005f);
    hExt_ = 1.0f / (rExt + 0.0000005f);
    double rTotal = static_cast<double>(rExt) + rInt;

    nodeCount_ = kCellsPerLayer * layers.Count() + 1;
    const auto cells = static_cast<size_t>(nodeCount_ - 1);
    dx_.assign(cells, 0.0f);
    k_.assign(cells, 0.0f);
    c_.assign(cells, 0.0f);
    thickness_ = 0.0f;
    size_t j = 0;
    for (const NMaterialLayer& layer : layers) {
        const CMaterial& m = *layer.Material();
        const float thicknessMm = FloatValue(layer.Thickness());
        const float lambda = FloatValue(m.Conductivity());
        const float rho = FloatValue(m.Density());
        const float cp = FloatValue(m.Capacity());
        for (int cell = 0; cell < kCellsPerLayer; ++cell, ++j) {
            dx_[j] = thicknessMm * kCellWidthPerMillimetre;
            thickness_ += dx_[j];
            c_[j] = rho * dx_[j] * cp / units::kSecondsPerHourFloat;
            k_[j] = lambda / dx_[j];
        }
        rTotal += thicknessMm / (lambda * 1000.0f);
    }
    u_ = static_cast<float>(1.0 / (rTotal + 0.000000000005));
    x_.assign(static_cast<size_t>(nodeCount_), 0.0f);
    for (size_t i = 0; i + 1 < static_cast<size_t>(nodeCount_); ++i)
        x_[i + 1] = x_[i] + dx_[i];
}

void ThermalNetwork::AssembleStorageAndSteady(NSparseMatrix& m, NSparseMatrix& g) const
{
    m.ClearMatrix();
    for (int j = 0; j + 1 < nodeCount_; ++j) {
        const float c = c_[static_cast<size_t>(j)];
        m.AddToElement(j, j, c * kThird);
        m.SetElement(j, j + 1, c * kSixth);
        m.SetElement(j + 1, j, c * kSixth);
        m.SetElement(j + 1, j + 1, c * kThird);
    }
    m.FinalizeMatrix();

    g.ClearMatrix();
    for (int j = 0; j + 1 < nodeCount_; ++j) {
        const float k = k_[static_cast<size_t>(j)];
        g.AddToElement(j, j, k);
        g.AddToElement(j, j + 1, -k);
        g.AddToElement(j + 1, j, -k);
        g.AddToElement(j + 1, j + 1, k);
    }
    g.AddToElement(0, 0, hExt_);
    g.AddToElement(nodeCount_ - 1, nodeCount_ - 1, hInt_);
    g.FinalizeMatrix();
}

void ThermalNetwork::AddStorage(NSparseMatrix& g) const
{
    for (int j = 0; j + 1 < nodeCount_; ++j) {
        const float c = c_[static_cast<size_t>(j)];
        g.AddToElement(j, j, c * kThird);
        g.AddToElement(j, j + 1, c * kSixth);
        g.AddToElement(j + 1, j, c * kSixth);
        g.AddToElement(j + 1, j + 1, c * kThird);
    }
    g.FinalizeMatrix();
}

} // namespace quelvan
