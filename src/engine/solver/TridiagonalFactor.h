#pragma once

#include <span>
#include <vector>

namespace quelvan::solver {

// A tridiagonal matrix of n rows held by its three diagonals: lower[i] = a(i, i-1) (lower[0]
// unused), diag[i] = a(i, i), upper[i] = a(i, i+1) (upper[n-1] unused).
struct Tridiagonal {
    std::vector<double> lower;
    std::vector<double> diag;
    std::vector<double> upper;

    explicit Tridiagonal(std::size_t n = 0)
        : lower(n, 0.0)
        , diag(n, 0.0)
        , upper(n, 0.0)
    {
    }
    std::size_t Size() const { return diag.size(); }
    // y = A x (y and x of Size() entries, distinct).
    void Multiply(std::span<const double> x, std::span<double> y) const;
};

// The LU factors of a tridiagonal matrix (Thomas algorithm without pivoting, double
// precision), made once and used for many right-hand sides without allocating. Meant for the
// diagonally dominant matrices of heat conduction, where no pivoting is needed.
class TridiagonalFactor {
public:
    TridiagonalFactor() = default;
    // Factors a; false (and no usable factor) when a pivot vanishes or is not finite.
    bool Factor(const Tridiagonal& a);
    // Solves A x = r in place (r of Size() entries becomes x).
    void Solve(std::span<double> r) const;
    std::size_t Size() const { return inversePivot_.size(); }

private:
    std::vector<double> lower_; // a(i, i-1)
    std::vector<double> inversePivot_; // 1 / u(i, i)
    std::vector<double> upperOverPivot_; // a(i, i+1) / u(i, i)
};

} // namespace quelvan::solver
