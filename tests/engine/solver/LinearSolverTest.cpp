#include "engine/solver/LinearSolver.h"

#include "core/MessageSink.h"
#include "core/Messages.h"
#include "engine/ThermalNetwork.h"
#include "engine/solver/JacobiSolver.h"
#include "model/CMaterial.h"
#include "model/NMaterialLayer.h"
#include "support/CollectedMessages.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace quelvan::solver {
namespace {

using Collect = test::CollectedMessages;

std::string Erase()
{
    return std::string(38, '\b');
}

NSparseMatrix Diagonal(std::vector<double> d)
{
    NSparseMatrix a;
    for (size_t i = 0; i < d.size(); ++i)
        a.SetElement(static_cast<int>(i), static_cast<int>(i), d[i]);
    a.FinalizeMatrix();
    return a;
}

// A chain of conductances between two fixed temperatures through surface exchanges:
// the steady matrix of a series of resistances.
NSparseMatrix Chain(const std::vector<double>& k, double hLeft, double hRight)
{
    NSparseMatrix a;
    const int n = static_cast<int>(k.size()) + 1;
    for (int j = 0; j + 1 < n; ++j) {
        a.AddToElement(j, j, k[static_cast<size_t>(j)]);
        a.AddToElement(j, j + 1, -k[static_cast<size_t>(j)]);
        a.AddToElement(j + 1, j, -k[static_cast<size_t>(j)]);
        a.AddToElement(j + 1, j + 1, k[static_cast<size_t>(j)]);
    }
    a.AddToElement(0, 0, hLeft);
    a.AddToElement(n - 1, n - 1, hRight);
    a.FinalizeMatrix();
    return a;
}

TEST(SolveJacobi, DiagonalSystemTakesTwoSweeps)
{
    const NSparseMatrix a = Diagonal({ 2, 4, 5 });
    const NVector b(std::vector<float> { 2, 2, 10 });
    NVector x;
    Collect sink;
    JacobiReport report;
    EXPECT_EQ(SolveJacobi(a, NVector(3, 0.0f), b, x, sink, &report), 0);
    EXPECT_EQ(report.sweeps, 2);
    EXPECT_TRUE(report.converged);
    EXPECT_FALSE(report.directFallback);
    EXPECT_FLOAT_EQ(x[0], 1);
    EXPECT_FLOAT_EQ(x[1], 0.5f);
    EXPECT_FLOAT_EQ(x[2], 2);
}

TEST(SolveJacobi, StartingAtTheSolutionTakesOneSweep)
{
    const NSparseMatrix a = Chain({ 10, 10 }, 5, 5);
    const NVector x0(std::vector<float> { 1, 1, 1 });
    NVector b;
    NSparseMatrix::MultiplyInto(a, x0, b);
    NVector x;
    Collect sink;
    JacobiReport report;
    SolveJacobi(a, x0, b, x, sink, &report);
    EXPECT_EQ(report.sweeps, 1);
    EXPECT_EQ(report.lastError, 0.0f);
}

TEST(SolveJacobi, ProgressEveryTwentyFiveSweepsWithThePreviousError)
{
    // Default wall material, 100 mm, steady: a few hundred sweeps.
    const NSparseMatrix a = Chain(std::vector<double>(10, 87.5), 25, 7.7);
    NVector b(11, 0.0f);
    b[0] = 25 * 0.0f;
    b[10] = 7.7f * 20.0f;
    NVector x;
    Collect sink;
    JacobiReport report;
    SolveJacobi(a, NVector(11, 10.0f), b, x, sink, &report);
    ASSERT_TRUE(report.converged);
    EXPECT_GT(report.sweeps, 50);
    EXPECT_EQ(sink.Progress(), (report.sweeps - 1) / 25 + 1);
    EXPECT_EQ(sink.lines[0], Erase() + "   iteration :    0, erreur=  1.00e+00");
    EXPECT_EQ(sink.lines[1].substr(0, 38 + 19), Erase() + "   iteration :   25");
    EXPECT_EQ(sink.lines[1].size(), 38u + 38u); // "%9.2e" pads to nine characters
    // Series resistances: q = 20 / (1/25 + 10/87.5 + 1/7.7).
    const double q = 20.0 / (1 / 25.0 + 10 / 87.5 + 1 / 7.7);
    EXPECT_NEAR(x[0], q / 25, 0.005);
    EXPECT_NEAR(x[10], 20 - q / 7.7, 0.005);
}

TEST(SolveJacobi, ChangeNearZeroIsMeasuredAgainstATenthOfAMillionth)
{
    // x = 0 is the solution of the first row; a start 1e-13 away still counts as a change
    // of 1e-6 > 5e-7, so a second sweep is needed.
    const NSparseMatrix a = Diagonal({ 1 });
    NVector x;
    Collect sink;
    JacobiReport report;
    SolveJacobi(a, NVector(std::vector<float> { 1e-13f }), NVector(1, 0.0f), x, sink, &report);
    EXPECT_EQ(report.sweeps, 2);
}

TEST(SolveTridiagonal, RefusesWiderOrSingularMatrices)
{
    NSparseMatrix wide = Chain({ 1, 1 }, 1, 1);
    wide.SetElement(0, 2, 0.5);
    wide.FinalizeMatrix();
    NVector x(3, 7.0f);
    EXPECT_FALSE(SolveTridiagonal(wide, NVector(3, 1.0f), x));
    EXPECT_FLOAT_EQ(x[0], 7.0f);
    EXPECT_FALSE(SolveTridiagonal(Chain({ 1, 1 }, 0, 0), NVector(3, 1.0f), x));
}

// The steady matrix of a steel / rock wool / steel sandwich: conductances five orders of
// magnitude apart, which Jacobi sweeps cannot resolve.
class Sandwich : public ::testing::Test {
protected:
    CMaterial steel { 3008, 7, "Métal ferreux", "72", "7870", "450" };
    CMaterial wool { 3015, 16, "Laine de roche", "0.039", "80", "1030" };
    NList<NMaterialLayer> layers;
    ThermalNetwork net;
    NSparseMatrix m, a;

    void SetUp() override
    {
        layers.Append(std::make_unique<NMaterialLayer>(&steel, "0.7"));
        layers.Append(std::make_unique<NMaterialLayer>(&wool, "80"));
        layers.Append(std::make_unique<NMaterialLayer>(&steel, "0.7"));
        net.Build(layers, {});
        net.AssembleStorageAndSteady(m, a);
    }
    NVector RightHandSide(float exterior, float interior) const
    {
        NVector b(net.NodeCount(), 0.0f);
        b[0] = net.ExchangeExterior() * exterior;
        b[net.NodeCount() - 1] = net.ExchangeInterior() * interior;
        return b;
    }
};

TEST_F(Sandwich, SweepLimitFallsBackToTheDirectSolve)
{
    const int n = net.NodeCount();
    NVector x;
    Collect sink;
    JacobiReport report;
    SolveJacobi(a, NVector(n, 10.0f), RightHandSide(0, 20), x, sink, &report);
    EXPECT_EQ(report.sweeps, kJacobiMaxSweeps);
    EXPECT_FALSE(report.converged);
    EXPECT_TRUE(report.directFallback);
    EXPECT_EQ(sink.Progress(), kJacobiMaxSweeps / 25);
    EXPECT_EQ(sink.lines.back(), msg::kSolverDirectFallback);
    const double r = 0.04 + 0.13 + 2 * 0.7 / 72000 + 80 / 39.0;
    const double q = 20 / r;
    EXPECT_NEAR(x[0], q * 0.04, 0.001);
    EXPECT_NEAR(x[n - 1], 20 - q * 0.13, 0.001);
}

TEST_F(Sandwich, StalledSweepsAreReplacedByTheDirectSolve)
{
    // One hour after a 10 K jump of the exterior temperature: the sweeps stop on tiny
    // changes while the steel skin is still far from its temperature.
    net.AddStorage(a);
    const int n = net.NodeCount();
    NVector start(n, 0.0f);
    NVector b;
    NSparseMatrix::MultiplyInto(m, start, b);
    b[0] += net.ExchangeExterior() * 10.0f;
    NVector direct;
    ASSERT_TRUE(SolveTridiagonal(a, b, direct));
    NVector x;
    Collect sink;
    JacobiReport report;
    SolveJacobi(a, start, b, x, sink, &report);
    EXPECT_TRUE(report.directFallback);
    EXPECT_GT(report.distance, kJacobiAccuracy);
    for (int i = 0; i < n; ++i)
        EXPECT_FLOAT_EQ(x[i], direct[i]) << i;
    EXPECT_EQ(
        sink.lines.back(), report.converged ? msg::kSolverStalled : msg::kSolverDirectFallback);
}

TEST_F(Sandwich, ASinkDecliningProgressGetsOnlyTheFallbackNote)
{
    struct Notes final : MessageSink {
        std::vector<std::string> lines;
        void Message(std::string_view text) override { lines.emplace_back(text); }
        bool WantsProgress() const override { return false; }
    };
    const NVector start(net.NodeCount(), 10.0f);
    Notes sparse;
    NVector x;
    SolveJacobi(a, start, RightHandSide(0, 20), x, sparse);
    EXPECT_EQ(sparse.lines, std::vector<std::string> { msg::kSolverDirectFallback });
    Notes banded;
    JacobiSolver solver;
    solver.Solve(a, start, RightHandSide(0, 20), x, banded);
    EXPECT_TRUE(solver.LastReport().banded);
    EXPECT_EQ(banded.lines, sparse.lines);
}

} // namespace
} // namespace quelvan::solver
