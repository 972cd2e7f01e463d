#include "engine/solver/LinearSolver.h"

#include "core/MessageSink.h"
#include "core/Messages.h"
#include "core/NumberText.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace quelvan::solver {

std::string JacobiProgressLine(int iteration, float error)
{
    std::string errorText = FormatDouble("%.2e", error);
    if (errorText.size() < 9)
        errorText.insert(0, 9 - errorText.size(), ' ');
    return std::string(kJacobiProgressErase, '\b') + "   iteration : " + FormatInt("%4d", iteration)
        + ", erreur= " + errorText;
}

int SolveJacobi(const NSparseMatrix& a, const NVector& x0, const NVector& b, NVector& x,
    MessageSink& sink, JacobiReport* report)
{
    NVector current = x0;
    NVector products = x0;
    const int n = current.Size();
    std::vector<int> diagonal(static_cast<size_t>(n), -1);
    for (int i = 0; i < n; ++i)
        diagonal[static_cast<size_t>(i)] = a.FindElement(i, i);

    const bool progress = sink.WantsProgress();
    float error = 1.0f;
    int iteration = 0;
    bool converged = false;
    while (iteration < kJacobiMaxSweeps) {
        if (progress && iteration % kJacobiProgressEvery == 0)
            sink.Message(JacobiProgressLine(iteration, error));
        error = 0.0f;
        NSparseMatrix::MultiplyInto(a, current, products);
        for (int i = 0; i < n; ++i) {
            const int k = diagonal[static_cast<size_t>(i)];
            const double d = k < 0 ? 0.0 : a.ElementAt(k).value;
            if (d == 0.0 || !std::isfinite(d))
                continue;
            const auto delta = static_cast<float>((b[i] - products[i]) / d);
            current[i] = current[i] + delta;
            const float ratio = std::fabs(delta) / (std::fabs(current[i]) + 0.0000001f);
            if (ratio > error)
                error = ratio;
        }
        ++iteration;
        if (error <= kJacobiTolerance) {
            converged = true;
            break;
        }
    }
    // A direct solve costs less than one sweep: it certifies the result.
    DirectCheck check;
    TridiagonalBands bands;
    if (b.Size() >= a.RowCount() && ExtractBands(a, bands) && bands.Size() == n) {
        TridiagonalWork work;
        NVector direct(n);
        check = CertifyByDirectSolve(bands, b.Values().data(), converged, current.Values().data(),
            work, direct.Values().data(), sink);
    }
    x = current;
    if (report != nullptr)
        *report = { iteration, error, converged, check.fallback, check.distance };
    return 0;
}

DirectCheck CertifyByDirectSolve(const TridiagonalBands& bands, const float* b, bool converged,
    float* x, TridiagonalWork& work, float* direct, MessageSink& sink)
{
    DirectCheck check;
    if (!SolveBands(bands, b, work, direct))
        return check;
    const int n = bands.Size();
    for (int i = 0; i < n; ++i)
        check.distance = std::max(check.distance, std::fabs(direct[i] - x[i]));
    // When the sweeps hit their limit, or stopped on a small change while still far from the
    // solution (sweeps crawl on walls mixing metal and insulation), the hour takes the direct
    // solution.
    if (!converged || check.distance > kJacobiAccuracy) {
        std::copy_n(direct, static_cast<std::size_t>(std::max(n, 0)), x);
        check.fallback = true;
        sink.Message(converged ? msg::kSolverStalled : msg::kSolverDirectFallback);
    }
    return check;
}

bool SolveTridiagonal(const NSparseMatrix& a, const NVector& b, NVector& x)
{
    TridiagonalBands bands;
    if (b.Size() < a.RowCount() || !ExtractBands(a, bands))
        return false;
    TridiagonalWork work;
    std::vector<float> solution(static_cast<size_t>(bands.Size()));
    if (!SolveBands(bands, b.Values().data(), work, solution.data()))
        return false;
    x.Values() = std::move(solution);
    return true;
}

} // namespace quelvan::solver
