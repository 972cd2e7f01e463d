#include "engine/JacobiSolver.h"

#include "core/MessageSink.h"

#include <cmath>

namespace quelvan {

namespace {
// One Jacobi sweep over the three diagonals: each row's products are summed in double from 0.0
// in ascending column order and stored as a float, every row uses the values of x from before
// the sweep (the previous row's old value is kept aside), and x[i] moves by
// float((b[i] - product) / d). Gives the sweep's largest relative change.
float Sweep(const TridiagonalBands& bands, const float* b, float* x, int n)
{
    const double* lower = bands.lower.data();
    const double* diagonal = bands.diagonal.data();
    const double* upper = bands.upper.data();
    float error = 0.0f;
    const auto update = [&](int i, double sum) {
        const auto product = static_cast<float>(sum);
        const auto delta = static_cast<float>((b[i] - product) / diagonal[i]);
        x[i] = x[i] + delta;
        const float ratio = std::fabs(delta) / (std::fabs(x[i]) + 0.0000001f);
        if (ratio > error)
            error = ratio;
    };
    float previous = x[0]; // x[i-1] before the sweep
    double sum = 0.0;
    sum += diagonal[0] * x[0];
    sum += upper[0] * x[1];
    update(0, sum);
    for (int i = 1; i + 1 < n; ++i) {
        const float current = x[i];
        double s = 0.0;
        s += lower[i] * previous;
        s += diagonal[i] * current;
        s += upper[i] * x[i + 1];
        previous = current;
        update(i, s);
    }
    sum = 0.0;
    sum += lower[n - 1] * previous;
    sum += diagonal[n - 1] * x[n - 1];
    update(n - 1, sum);
    return error;
}
} // namespace

int JacobiSolver::Solve(
    const NSparseMatrix& a, const NVector& x0, const NVector& b, NVector& x, MessageSink& sink)
{
    const TridiagonalBands& bands = a.Bands();
    const int n = x0.Size();
    if (path_ == SolverPath::Sparse || !bands.complete || bands.Size() != n || b.Size() < n)
        return SolveJacobi(a, x0, b, x, sink, &report_);

    if (&x != &x0)
        x = x0;
    float* t = x.Values().data();
    const bool progress = sink.WantsProgress();
    float error = 1.0f;
    int iteration = 0;
    bool converged = false;
    while (iteration < kJacobiMaxSweeps) {
        if (progress && iteration % kJacobiProgressEvery == 0)
            sink.Message(JacobiProgressLine(iteration, error));
        error = Sweep(bands, b.Values().data(), t, n);
        ++iteration;
        if (error <= kJacobiTolerance) {
            converged = true;
            break;
        }
    }
    direct_.resize(static_cast<size_t>(n));
    const DirectCheck check
        = CertifyByDirectSolve(bands, b.Values().data(), converged, t, work_, direct_.data(), sink);
    report_ = { iteration, error, converged, check.fallback, check.distance, true };
    return 0;
}

} // namespace quelvan
