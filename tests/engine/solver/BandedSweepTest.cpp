// Every sweep kernel the processor runs against the plain loops: the same floats after every
// sweep and the same largest change, on random diagonally dominant systems of 2 to 41 rows (row
// counts on both sides of the four-row steps) and on systems that run into infinities.
#include "engine/solver/BandedSweep.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

namespace quelvan::solver {
namespace {

struct System {
    TridiagonalBands bands;
    std::vector<float> b;
    std::vector<float> x0;
};

System RandomSystem(std::mt19937& random, int n, double scale)
{
    std::uniform_real_distribution<double> coupling(-1.0, 0.0);
    std::uniform_real_distribution<float> value(-50.0f, 50.0f);
    System s;
    for (int i = 0; i < n; ++i) {
        const double lower = i > 0 ? coupling(random) * scale : 0.0;
        const double upper = i + 1 < n ? coupling(random) * scale : 0.0;
        s.bands.lower.push_back(lower);
        s.bands.upper.push_back(upper);
        s.bands.diagonal.push_back((-lower - upper) * 1.01 + 0.001);
        s.b.push_back(value(random));
        s.x0.push_back(value(random));
    }
    s.bands.complete = true;
    return s;
}

// The bit patterns of x and of the largest change after each of the sweeps.
std::vector<std::uint32_t> Sweeps(const System& s, SweepKernel kernel, int count)
{
    BandedSweep sweep;
    sweep.SetKernel(kernel);
    sweep.Load(s.bands, s.b.data(), s.x0.data());
    std::vector<std::uint32_t> bits;
    for (int k = 0; k < count; ++k) {
        bits.push_back(std::bit_cast<std::uint32_t>(sweep.Sweep()));
        for (int i = 0; i < s.bands.Size(); ++i)
            bits.push_back(std::bit_cast<std::uint32_t>(sweep.X()[i]));
    }
    return bits;
}

TEST(BandedSweep, EveryKernelGivesThePlainLoopsFloats)
{
    std::mt19937 random(14);
    for (const SweepKernel kernel : { SweepKernel::Sse2, SweepKernel::Avx }) {
        if (!BandedSweep::Runs(kernel))
            continue;
        for (int n = 2; n <= 41; ++n) {
            // Ordinary couplings, then couplings that overflow to infinity and not-a-number.
            for (const double scale : { 1.0, 1e300 }) {
                System s = RandomSystem(random, n, scale);
                if (scale > 1.0)
                    s.b[n / 2] = std::numeric_limits<float>::max();
                EXPECT_EQ(Sweeps(s, kernel, 60), Sweeps(s, SweepKernel::Plain, 60))
                    << "kernel " << static_cast<int>(kernel) << ", " << n << " rows";
            }
        }
    }
    EXPECT_TRUE(BandedSweep::Runs(BandedSweep::Fastest()));
}

} // namespace
} // namespace quelvan::solver
