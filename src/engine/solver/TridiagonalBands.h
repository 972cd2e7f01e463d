#pragma once

#include <vector>

namespace quelvan::solver {

class NSparseMatrix;

// The three diagonals of a square tridiagonal matrix, read once from its elements so that the
// hourly solves walk contiguous arrays instead of looking elements up. Each entry is the sum,
// from 0.0, of the stored elements at that place (0 where none is stored).
struct TridiagonalBands {
    std::vector<double> lower; // a(i, i-1); lower[0] is 0
    std::vector<double> diagonal; // a(i, i)
    std::vector<double> upper; // a(i, i+1); upper[n-1] is 0
    // Every place of the band holds exactly one stored element, every value is finite, every
    // diagonal value is non-zero, and there are at least two rows: the entries are then the
    // stored values (a negative zero read as 0 changes no sum that starts from 0.0), and the
    // sweep kernel may use them in place of the elements with the sparse product's arithmetic.
    bool complete = false;

    int Size() const { return static_cast<int>(diagonal.size()); }
};

// Fills the bands of a finalised matrix; false (bands emptied) when the matrix is empty, not
// square or has an element outside the three diagonals.
bool ExtractBands(const NSparseMatrix& a, TridiagonalBands& bands);

// Work arrays of the direct solve, kept between solves so that a solve allocates nothing once
// they have grown to the system's size.
struct TridiagonalWork {
    std::vector<double> c;
    std::vector<double> d;
    std::vector<double> solution;
};

// Direct solve of the banded system with right-hand side b (n entries) by the Thomas algorithm
// in double precision; the solution is written to x (n entries) as floats. False, with x
// unchanged, when a pivot vanishes or is not finite, or the solution is not finite.
bool SolveBands(const TridiagonalBands& bands, const float* b, TridiagonalWork& work, float* x);

} // namespace quelvan::solver
