#pragma once

#include "engine/solver/TridiagonalBands.h"

#include <vector>

namespace quelvan::solver {

// The ways a sweep can be carried out, all giving the same floats: plain loops, SSE2 (two
// doubles or four floats per instruction) and AVX (four doubles per instruction).
enum class SweepKernel { Plain, Sse2, Avx };

// The Jacobi sweep of a tridiagonal system on contiguous arrays. A sweep first forms every
// row's residual b[i] - float(sum) from the values of x before the sweep, the sum taken in
// double from 0.0 over the row's columns in ascending order, then moves each x[i] by
// float(residual / d) and measures |delta| / (|x| + 1e-7): the arithmetic of the sparse
// product and update, row for row, so the floats are the same. The arrays are padded to a
// multiple of four rows (padding rows have d = 1 and b = 0 and never move) and x carries a
// zero on each side, so that rows are processed four at a time with vector instructions where
// the processor has them. The arrays are kept from solve to solve.
class BandedSweep {
public:
    // Whether this build and this processor can run the kernel.
    static bool Runs(SweepKernel kernel);
    // The fastest kernel that runs here; the one a new sweep uses.
    static SweepKernel Fastest();

    // Chooses another kernel that Runs(); the floats stay the same.
    void SetKernel(SweepKernel kernel) { kernel_ = kernel; }
    // Takes the system: complete bands, b and the start x0 (n = bands' size entries each).
    void Load(const TridiagonalBands& bands, const float* b, const float* x0);
    // One sweep; gives its largest relative change.
    float Sweep();
    // The current x (n entries).
    const float* X() const { return x_.data() + 1; }

private:
    SweepKernel kernel_ = Fastest();
    int n_ = 0;
    int rows_ = 0; // padded row count
    std::vector<double> lower_;
    std::vector<double> diagonal_;
    std::vector<double> upper_;
    std::vector<float> b_;
    std::vector<float> x_; // x[i] at x_[i + 1]; x_[0] and the entries after the last row are 0
    std::vector<float> residual_;
};

} // namespace quelvan::solver
