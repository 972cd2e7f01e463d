#include "engine/annual/YearStepper.h"

#include "core/MessageSink.h"
#include "engine/ThermalNetwork.h"
#include "engine/solver/JacobiSolver.h"
#include "engine/solver/NSparseMatrix.h"
#include "engine/solver/NVector.h"

namespace quelvan::annual {

using solver::JacobiSolver;
using solver::NSparseMatrix;
using solver::NVector;

namespace {

class FineYearStepper final : public YearStepper {
public:
    FineYearStepper(const SiWall& wall, const FineSurfaces& surfaces)
        : stepper_(wall.layers, surfaces)
    {
    }

    bool IsUsable() const { return stepper_.IsUsable(); }

    void SolveSteadyState(const FineBoundary& boundary) override
    {
        stepper_.SolveSteadyState(boundary);
    }
    void SetTemperatures(const std::vector<double>& temperatures) override
    {
        stepper_.StartFrom(stepper_.Mesh().Positions(), temperatures);
    }
    HourHeat AdvanceHour(const FineBoundary& atStart, const FineBoundary& atEnd) override
    {
        const FineHourEnergies heat = stepper_.AdvanceHour(atStart, atEnd);
        return { heat.interiorLoss, heat.interiorGain };
    }
    int NodeCount() const override { return stepper_.Mesh().NodeCount(); }
    std::vector<double> Temperatures() const override { return stepper_.Temperatures(); }
    double ExteriorSurfaceTemperature() const override
    {
        return stepper_.ExteriorSurfaceTemperature();
    }
    double InteriorSurfaceTemperature() const override
    {
        return stepper_.InteriorSurfaceTemperature();
    }
    double InteriorFlux(const FineBoundary& b) const override
    {
        return stepper_.SurfaceFluxes(b).interior
            + stepper_.Surfaces().absorptionInterior * b.interiorFlux;
    }

private:
    FineStepper stepper_;
};

// The standard method as a calculation makes its hours (EngineState): A T = M T_old + b with
// A = G + M, in single precision.
class StandardYearStepper final : public YearStepper {
public:
    explicit StandardYearStepper(const ThermalNetwork& network)
        : network_(network)
        , temperature_(network.NodeCount(), 0.0f)
        , rightHandSide_(network.NodeCount(), 0.0f)
    {
        network_.AssembleStorageAndSteady(storage_, steady_);
        network_.AssembleStorageAndSteady(storage_, system_);
        network_.AddStorage(system_);
    }

    void SolveSteadyState(const FineBoundary& boundary) override
    {
        Solve(steady_, boundary, false);
    }
    void SetTemperatures(const std::vector<double>& temperatures) override
    {
        for (int i = 0; i < temperature_.Size(); ++i)
            temperature_[i] = static_cast<float>(temperatures[static_cast<std::size_t>(i)]);
    }
    HourHeat AdvanceHour(const FineBoundary& atStart, const FineBoundary& atEnd) override
    {
        const double start = InteriorFlux(atStart);
        Solve(system_, atEnd, true);
        // The hourly method's energies are the trapezoids of the hourly flux densities.
        return StraightHourHeat(start, InteriorFlux(atEnd));
    }
    int NodeCount() const override { return temperature_.Size(); }
    std::vector<double> Temperatures() const override
    {
        const std::vector<float>& t = temperature_.Values();
        return { t.begin(), t.end() };
    }
    double ExteriorSurfaceTemperature() const override { return temperature_[0]; }
    double InteriorSurfaceTemperature() const override
    {
        return temperature_[temperature_.Size() - 1];
    }
    double InteriorFlux(const FineBoundary& b) const override
    {
        const float ti = static_cast<float>(b.interiorTemperature);
        const float fi = static_cast<float>(b.interiorFlux);
        const float tsi = temperature_[temperature_.Size() - 1];
        return network_.AbsorptionInterior() * fi + network_.ExchangeInterior() * (ti - tsi);
    }

private:
    void Solve(const NSparseMatrix& matrix, const FineBoundary& b, bool transient)
    {
        const int n = temperature_.Size();
        rightHandSide_.Fill(0.0f);
        if (transient)
            NSparseMatrix::MultiplyInto(storage_, temperature_, rightHandSide_);
        const auto te = static_cast<float>(b.exteriorTemperature);
        const auto fe = static_cast<float>(b.exteriorFlux);
        const auto ti = static_cast<float>(b.interiorTemperature);
        const auto fi = static_cast<float>(b.interiorFlux);
        rightHandSide_[0] += network_.ExchangeExterior() * te + network_.AbsorptionExterior() * fe;
        rightHandSide_[n - 1]
            += network_.ExchangeInterior() * ti + network_.AbsorptionInterior() * fi;
        solver_.Solve(matrix, temperature_, rightHandSide_, temperature_, silent_);
    }

    const ThermalNetwork& network_;
    NSparseMatrix storage_;
    NSparseMatrix steady_;
    NSparseMatrix system_;
    NVector temperature_;
    NVector rightHandSide_;
    JacobiSolver solver_;
    NullMessageSink silent_;
};

} // namespace

std::unique_ptr<YearStepper> MakeFineYearStepper(const SiWall& wall, const FineSurfaces& surfaces)
{
    auto stepper = std::make_unique<FineYearStepper>(wall, surfaces);
    if (!stepper->IsUsable())
        return nullptr;
    return stepper;
}

std::unique_ptr<YearStepper> MakeStandardYearStepper(const ThermalNetwork& network)
{
    return std::make_unique<StandardYearStepper>(network);
}

} // namespace quelvan::annual
