#include "engine/solver/TridiagonalBands.h"

#include "engine/solver/NSparseMatrix.h"

#include <cmath>

namespace quelvan::solver {

namespace {
// Which places of row i's band (bit 0 lower, 1 diagonal, 2 upper) a complete band fills.
unsigned FullRow(int i, int n)
{
    return (i > 0 ? 1u : 0u) | 2u | (i + 1 < n ? 4u : 0u);
}

// Whether the elements, in their order after finalisation (grouped by row, rows ascending),
// fill every place of the band exactly once.
bool OneElementPerPlace(const NSparseMatrix& a, int n)
{
    int row = -1;
    unsigned filled = 0;
    for (int k = 0; k < a.ElementCount(); ++k) {
        const NSparseMatrix::Element& e = a.ElementAt(k);
        if (e.row != row) {
            if (e.row != row + 1 || (row >= 0 && filled != FullRow(row, n)))
                return false;
            row = e.row;
            filled = 0;
        }
        const unsigned place = 1u << (e.column - e.row + 1);
        if ((filled & place) != 0)
            return false;
        filled |= place;
    }
    return row == n - 1 && filled == FullRow(row, n);
}
} // namespace

bool ExtractBands(const NSparseMatrix& a, TridiagonalBands& bands)
{
    const int n = a.RowCount();
    bands.complete = false;
    bands.lower.clear();
    bands.diagonal.clear();
    bands.upper.clear();
    if (!a.IsSquare() || n == 0)
        return false;
    const auto size = static_cast<size_t>(n);
    bands.lower.assign(size, 0.0);
    bands.diagonal.assign(size, 0.0);
    bands.upper.assign(size, 0.0);
    for (int k = 0; k < a.ElementCount(); ++k) {
        const NSparseMatrix::Element& e = a.ElementAt(k);
        const auto i = static_cast<size_t>(e.row);
        if (e.column == e.row) {
            bands.diagonal[i] += e.value;
        } else if (e.column == e.row - 1) {
            bands.lower[i] += e.value;
        } else if (e.column == e.row + 1) {
            bands.upper[i] += e.value;
        } else {
            bands.lower.clear();
            bands.diagonal.clear();
            bands.upper.clear();
            return false;
        }
    }
    bool plain = n >= 2 && OneElementPerPlace(a, n);
    for (size_t i = 0; plain && i < size; ++i) {
        plain = std::isfinite(bands.lower[i]) && std::isfinite(bands.diagonal[i])
            && std::isfinite(bands.upper[i]) && bands.diagonal[i] != 0.0;
    }
    bands.complete = plain;
    return true;
}

bool SolveBands(const TridiagonalBands& bands, const float* b, TridiagonalWork& work, float* x)
{
    const int n = bands.Size();
    if (n == 0)
        return false;
    const std::vector<double>& lower = bands.lower;
    const std::vector<double>& diag = bands.diagonal;
    const std::vector<double>& upper = bands.upper;
    work.c.resize(static_cast<size_t>(n));
    work.d.resize(static_cast<size_t>(n));
    work.solution.resize(static_cast<size_t>(n));
    std::vector<double>& c = work.c;
    std::vector<double>& d = work.d;
    std::vector<double>& solution = work.solution;
    // Forward elimination then back substitution, all in double precision.
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
    solution[static_cast<size_t>(n - 1)] = d[static_cast<size_t>(n - 1)];
    for (int i = n - 2; i >= 0; --i) {
        const auto k = static_cast<size_t>(i);
        solution[k] = d[k] - c[k] * solution[k + 1];
    }
    for (double v : solution) {
        if (!std::isfinite(v))
            return false;
    }
    for (int i = 0; i < n; ++i)
        x[i] = static_cast<float>(solution[static_cast<size_t>(i)]);
    return true;
}

} // namespace quelvan::solver
