#include "engine/solver/JacobiSolver.h"

#include "core/MessageSink.h"

#include <algorithm>

namespace quelvan::solver {

int JacobiSolver::Solve(
    const NSparseMatrix& a, const NVector& x0, const NVector& b, NVector& x, MessageSink& sink)
{
    const TridiagonalBands& bands = a.Bands();
    const int n = x0.Size();
    if (path_ == SolverPath::Sparse || !bands.complete || bands.Size() != n || b.Size() < n)
        return SolveJacobi(a, x0, b, x, sink, &report_);

    sweep_.Load(bands, b.Values().data(), x0.Values().data());
    const bool progress = sink.WantsProgress();
    float error = 1.0f;
    int iteration = 0;
    bool converged = false;
    while (iteration < kJacobiMaxSweeps) {
        if (progress && iteration % kJacobiProgressEvery == 0)
            sink.Message(JacobiProgressLine(iteration, error));
        error = sweep_.Sweep();
        ++iteration;
        if (error <= kJacobiTolerance) {
            converged = true;
            break;
        }
    }
    x.Resize(n);
    float* t = x.Values().data();
    std::copy(sweep_.X(), sweep_.X() + n, t);
    direct_.resize(static_cast<size_t>(n));
    const DirectCheck check
        = CertifyByDirectSolve(bands, b.Values().data(), converged, t, work_, direct_.data(), sink);
    report_ = { iteration, error, converged, check.fallback, check.distance, true };
    return 0;
}

} // namespace quelvan::solver
