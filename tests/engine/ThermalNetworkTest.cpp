#include "engine/ThermalNetwork.h"

#include "model/CMaterial.h"
#include "model/NMaterialLayer.h"
#include "model/WallCheck.h"

#include <gtest/gtest.h>

#include <memory>

namespace quelvan {
namespace {

using solver::NSparseMatrix;

// A wall of one 200 mm layer of the default material (1.75 W/m.K, 2000 kg/m3, 1000 J/kg.K).
class SingleLayer : public ::testing::Test {
protected:
    CMaterial material;
    NList<NMaterialLayer> layers;
    SurfaceTexts surfaces;
    ThermalNetwork net;
    NSparseMatrix m;
    NSparseMatrix g;

    void SetUp() override
    {
        layers.Append(std::make_unique<NMaterialLayer>(&material, "200"));
        ASSERT_TRUE(CheckWall(layers, surfaces).Passed());
        net.Build(layers, surfaces);
        net.AssembleStorageAndSteady(m, g);
    }
};

TEST_F(SingleLayer, ConsistentMassMatrix)
{
    const double c = 2000.0 * 1000.0 * 0.04 / 3600.0;
    EXPECT_NEAR(m.Value(0, 0), c / 3, 1e-4);
    EXPECT_NEAR(m.Value(5, 5), c / 3, 1e-4);
    for (int i = 1; i < 5; ++i)
        EXPECT_NEAR(m.Value(i, i), 2 * c / 3, 1e-4) << i;
    for (int i = 0; i < 5; ++i) {
        EXPECT_NEAR(m.Value(i, i + 1), c / 6, 1e-4);
        EXPECT_NEAR(m.Value(i + 1, i), c / 6, 1e-4);
    }
    EXPECT_EQ(m.FindElement(0, 2), -1);
    // The whole matrix adds up to the wall's capacity.
    double total = 0;
    for (int k = 0; k < m.ElementCount(); ++k)
        total += m.ElementAt(k).value;
    EXPECT_NEAR(total, 5 * c, 1e-3);
    EXPECT_TRUE(m.IsSymmetric());
}

TEST_F(SingleLayer, SteadyMatrixRowsBalanceExceptAtTheSurfaces)
{
    EXPECT_TRUE(g.IsSymmetric());
    for (int i = 0; i < 6; ++i) {
        double sum = 0;
        for (int j = 0; j < 6; ++j)
            sum += g.Value(i, j);
        const double surface = i == 0 ? 25.0 : i == 5 ? 1 / 0.13 : 0.0;
        EXPECT_NEAR(sum, surface, 1e-3) << i;
    }
    EXPECT_NEAR(g.Value(2, 3), -43.75, 1e-3);
    EXPECT_TRUE(g.CheckDiagonalDominance(false));
}

} // namespace
} // namespace quelvan
