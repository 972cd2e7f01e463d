#include "engine/LinearSolver.h"

#include "core/MessageSink.h"
#include "core/Messages.h"
#include "core/NumberText.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace quelvan {

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

    float error = 1.0f;
    int iteration = 0;
    bool converged = false;
    while (iteration < kJacobiMaxSweeps) {
        if (iteration % kJacobiProgressEvery == 0)
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
    // A direct solve costs less than one sweep: it certifies the result. When the sweeps hit
    // their limit, or stopped on a small change while still far from the solution (sweeps
    // crawl on walls mixing metal and insulation), the hour takes the direct solution.
    bool fallback = false;
    float distance = 0.0f;
    NVector direct = current;
    if (SolveTridiagonal(a, b, direct)) {
        for (int i = 0; i < n; ++i)
            distance = std::max(distance, std::fabs(direct[i] - current[i]));
        if (!converged || distance > kJacobiAccuracy) {
            current = direct;
            fallback = true;
            sink.Message(converged ? msg::kSolverStalled : msg::kSolverDirectFallback);
        }
    }
    x = current;
    if (report != nullptr)
        *report = { iteration, error, converged, fallback, distance };
    return 0;
}

bool SolveTridiagonal(const NSparseMatrix& a, const NVector& b, NVector& x)
{
    const int n = a.RowCount();
    if (!a.IsSquare() || n == 0 || b.Size() < n)
        return false;
    std::vector<double> lower(static_cast<size_t>(n), 0.0);
    std::vector<double> diag(static_cast<size_t>(n), 0.0);
    std::vector<double> upper(static_cast<size_t>(n), 0.0);
    for (int k = 0; k < a.ElementCount(); ++k) {
        const NSparseMatrix::Element& e = a.ElementAt(k);
        const auto i = static_cast<size_t>(e.row);
        if (e.column == e.row)
            diag[i] += e.value;
        else if (e.column == e.row - 1)
            lower[i] += e.value;
        else if (e.column == e.row + 1)
            upper[i] += e.value;
        else
            return false;
    }
    // Forward elimination then back substitution, all in double precision.
    std::vector<double> c(static_cast<size_t>(n), 0.0);
    std::vector<double> d(static_cast<size_t>(n), 0.0);
    double pivot = diag[0];
    if (pivot == 0.0)
        return false;
    c[0] = upper[0] / pivot;
    d[0] = b[0] / pivot;
    for (int i = 1; i < n; ++i) {
        const auto k = static_cast<size_t>(i);
        pivot = diag[k] - lower[k] * c[k - 1];
        if (pivot == 0.0 || !std::isfinite(pivot))
            return false;
        c[k] = upper[k] / pivot;
        d[k] = (b[i] - lower[k] * d[k - 1]) / pivot;
    }
    std::vector<double> solution(static_cast<size_t>(n), 0.0);
    solution[static_cast<size_t>(n - 1)] = d[static_cast<size_t>(n - 1)];
    for (int i = n - 2; i >= 0; --i) {
        const auto k = static_cast<size_t>(i);
        solution[k] = d[k] - c[k] * solution[k + 1];
    }
    for (double v : solution) {
        if (!std::isfinite(v))
            return false;
    }
    x.Resize(n);
    for (int i = 0; i < n; ++i)
        x[i] = static_cast<float>(solution[static_cast<size_t>(i)]);
    return true;
}

} // namespace quelvan
