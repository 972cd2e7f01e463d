#include "engine/solver/TridiagonalFactor.h"

#include <cmath>

namespace quelvan::solver {

void Tridiagonal::Multiply(std::span<const double> x, std::span<double> y) const
{
    const std::size_t n = Size();
    if (n == 0)
        return;
    if (n == 1) {
        y[0] = diag[0] * x[0];
        return;
    }
    y[0] = diag[0] * x[0] + upper[0] * x[1];
    for (std::size_t i = 1; i + 1 < n; ++i)
        y[i] = lower[i] * x[i - 1] + diag[i] * x[i] + upper[i] * x[i + 1];
    y[n - 1] = lower[n - 1] * x[n - 2] + diag[n - 1] * x[n - 1];
}

bool TridiagonalFactor::Factor(const Tridiagonal& a)
{
    const std::size_t n = a.Size();
    lower_ = a.lower;
    inversePivot_.assign(n, 0.0);
    upperOverPivot_.assign(n, 0.0);
    double previous = 0.0; // a(i-1, i) / u(i-1, i-1)
    for (std::size_t i = 0; i < n; ++i) {
        const double pivot = a.diag[i] - (i > 0 ? a.lower[i] * previous : 0.0);
        if (pivot == 0.0 || !std::isfinite(pivot)) {
            inversePivot_.clear();
            upperOverPivot_.clear();
            return false;
        }
        inversePivot_[i] = 1.0 / pivot;
        previous = i + 1 < n ? a.upper[i] / pivot : 0.0;
        upperOverPivot_[i] = previous;
    }
    return true;
}

void TridiagonalFactor::Solve(std::span<double> r) const
{
    const std::size_t n = Size();
    if (n == 0)
        return;
    r[0] *= inversePivot_[0];
    for (std::size_t i = 1; i < n; ++i)
        r[i] = (r[i] - lower_[i] * r[i - 1]) * inversePivot_[i];
    for (std::size_t i = n - 1; i-- > 0;)
        r[i] -= upperOverPivot_[i] * r[i + 1];
}

} // namespace quelvan::solver
