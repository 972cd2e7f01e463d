// The banded sweep kernel against the sparse reference path over whole weeks of the engine: the
// same floats and sweep counts every hour, the same messages on the same hours, the same
// results file.
#include "engine/EngineState.h"

#include "core/MessageSink.h"
#include "core/NumberText.h"
#include "engine/EngineTestSupport.h"
#include "model/KslDoc.h"
#include "persistence/ResultsFile.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <iterator>
#include <random>

namespace quelvan::solver {
namespace {

// Every message, progress lines included, prefixed with the hour it came in.
struct HourNotes final : MessageSink {
    int hour = 0;
    std::vector<std::string> lines;
    void Message(std::string_view text) override
    {
        lines.push_back(FormatInt("%d", hour) + ": " + std::string(text));
    }
};

std::vector<std::uint32_t> Bits(const std::vector<float>& values)
{
    std::vector<std::uint32_t> bits;
    for (float v : values)
        bits.push_back(std::bit_cast<std::uint32_t>(v));
    return bits;
}

struct Week {
    std::vector<std::vector<std::uint32_t>> temperatures; // bit patterns of T after each solve
    std::vector<int> sweeps;
    std::vector<std::string> notes;
    std::string results; // the results file
    int bandedSolves = 0;
    int fallbacks = 0;
};

Week RunWeek(KslDoc& doc, SolverPath path, const std::string& resultsPath)
{
    Week week;
    HourNotes notes;
    EngineState engine(notes);
    engine.SetSolverPath(path);
    const auto keep = [&] {
        const JacobiReport report = engine.LastSolve();
        week.sweeps.push_back(report.sweeps);
        week.bandedSolves += report.banded ? 1 : 0;
        week.fallbacks += report.directFallback ? 1 : 0;
        week.temperatures.push_back(Bits(engine.View().nodes.T));
    };
    EXPECT_FALSE(engine.PrepareCalculation(doc, InputsFromDocument(doc)).IsError());
    keep();
    while (engine.CanAdvance()) {
        notes.hour = engine.View().hours;
        engine.AdvanceHour(doc, true, true);
        keep();
    }
    week.notes = std::move(notes.lines);
    EXPECT_TRUE(WriteResultsFile(doc, resultsPath));
    week.results = test::ReadBytes(resultsPath);
    return week;
}

// Runs the project's week on both paths and compares them; gives the number of hours that took
// the direct solution.
int ExpectSameWeek(KslDoc& doc)
{
    const test::TempFolder folder;
    const Week sparse = RunWeek(doc, SolverPath::Sparse, folder.File("sparse.res"));
    const Week banded = RunWeek(doc, SolverPath::Banded, folder.File("banded.res"));
    EXPECT_EQ(sparse.sweeps.size(), 169u);
    EXPECT_EQ(sparse.bandedSolves, 0);
    EXPECT_EQ(banded.bandedSolves, 169); // the kernel made every solve, the steady one included
    EXPECT_EQ(banded.sweeps.size(), sparse.sweeps.size());
    for (size_t h = 0; h < std::min(banded.sweeps.size(), sparse.sweeps.size()); ++h) {
        EXPECT_EQ(banded.sweeps[h], sparse.sweeps[h]) << "hour " << h;
        EXPECT_EQ(banded.temperatures[h], sparse.temperatures[h]) << "hour " << h;
        if (::testing::Test::HasFailure())
            break;
    }
    EXPECT_EQ(banded.notes, sparse.notes);
    EXPECT_EQ(banded.fallbacks, sparse.fallbacks);
    EXPECT_GT(sparse.results.size(), 169u * 14u);
    EXPECT_EQ(banded.results, sparse.results);
    return sparse.fallbacks;
}

TEST(BandedKernel, SteelSandwichFallsBackOnTheSameHours)
{
    KslDoc doc;
    test::SetWall(
        doc, { { "Métal ferreux", "1" }, { "Laine de roche", "100" }, { "Métal ferreux", "1" } });
    doc.selectedExterior = 8; // sinusoidal temperature and a jump of flux
    EXPECT_GT(ExpectSameWeek(doc), 0);
}

// Matrices whose elements do not fill the three diagonals exactly once, with plain values and a
// non-zero diagonal, go through the sparse path, with its result.
TEST(BandedKernel, IncompleteBandsTakeTheSparsePath)
{
    const auto chain = [](NSparseMatrix& a) {
        for (int i = 0; i < 4; ++i) {
            a.SetElement(i, i, 4.0);
            if (i > 0) {
                a.SetElement(i, i - 1, -1.0);
                a.SetElement(i - 1, i, -1.0);
            }
        }
    };
    const std::function<void(NSparseMatrix&)> changes[] = {
        [](NSparseMatrix&) {},
        [](NSparseMatrix& a) { a.SetElement(1, 2, 0.0); },
        [](NSparseMatrix& a) { a.SetElement(2, 1, HUGE_VAL); },
        [](NSparseMatrix& a) { a.SetElement(3, 3, 0.0); },
        [](NSparseMatrix& a) { a.SetElement(0, 2, 0.5); },
        [](NSparseMatrix& a) {
            a.ClearMatrix();
            a.SetElement(0, 0, 2.0);
        },
    };
    const NVector b(std::vector<float> { 1, 2, 3, 4 });
    for (size_t c = 0; c < std::size(changes); ++c) {
        NSparseMatrix a;
        chain(a);
        a.FinalizeMatrix();
        changes[c](a);
        a.FinalizeMatrix();
        NullMessageSink sink;
        const NVector x0(a.RowCount(), 0.0f);
        NVector reference;
        JacobiReport expected;
        SolveJacobi(a, x0, b, reference, sink, &expected);
        JacobiSolver solver;
        NVector x;
        solver.Solve(a, x0, b, x, sink);
        EXPECT_EQ(solver.LastReport().banded, c == 0 || c == 1) << c;
        EXPECT_EQ(solver.LastReport().sweeps, expected.sweeps) << c;
        EXPECT_EQ(Bits(x.Values()), Bits(reference.Values())) << c;
    }
    // A change after the finalisation is not seen by the bands.
    NSparseMatrix a;
    chain(a);
    a.FinalizeMatrix();
    a.AddToElement(0, 0, 1.0);
    EXPECT_FALSE(a.Bands().complete);
}

// Random walls of 1 to 7 layers, random surfaces, placement and ambiances (every fifth with the
// clear-sky solar flux), from a fixed seed.
class RandomWall : public ::testing::TestWithParam<int> { };

TEST_P(RandomWall, SameWeek)
{
    std::mt19937 rng(14000u + static_cast<unsigned>(GetParam()));
    const auto pick = [&rng](unsigned n) { return static_cast<int>(rng() % n); };
    KslDoc doc;
    doc.layers.Clear();
    const int layers = 1 + pick(7);
    for (int k = 0; k < layers; ++k) {
        doc.AddLayer(
            doc.FindMaterialByIndex(pick(19)), FormatDouble("%.1f", 0.5 + pick(3000) / 10.0));
    }
    doc.surfaces.absorptionExterior = FormatDouble("%.2f", pick(101) / 100.0);
    doc.surfaces.absorptionInterior = FormatDouble("%.2f", pick(101) / 100.0);
    doc.surfaces.resistanceExterior = pick(6) == 0 ? "0" : FormatDouble("%.3f", pick(250) / 1000.0);
    doc.surfaces.resistanceInterior = FormatDouble("%.3f", pick(250) / 1000.0);
    doc.azimuthIndex = pick(8);
    doc.inclinationIndex = pick(9);
    doc.selectedExterior = GetParam() % 5 == 0 ? 10 : pick(11); // no weather file
    doc.selectedInterior = pick(9);
    ExpectSameWeek(doc);
}

INSTANTIATE_TEST_SUITE_P(FixedSeed, RandomWall, ::testing::Range(0, 50));

} // namespace
} // namespace quelvan::solver
