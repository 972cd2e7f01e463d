#pragma once

#include "engine/solver/BandedSweep.h"
#include "engine/solver/LinearSolver.h"
#include "engine/solver/NSparseMatrix.h"
#include "engine/solver/NVector.h"
#include "engine/solver/TridiagonalBands.h"

#include <vector>

namespace quelvan {
class MessageSink;
}

namespace quelvan::solver {

// Which code performs the Jacobi sweeps: the sparse product of SolveJacobi (the reference), or
// the banded kernel that walks the matrix's three diagonals. Both give the same floats.
enum class SolverPath { Sparse, Banded };

// The hourly solver of a calculation. The banded kernel does what SolveJacobi does, in the same
// order and precision (each row's products summed in double in ascending column order and
// stored as a float, the same update, stopping rule, progress lines, sweep limit and direct
// certification), on the diagonals read when the matrix was finalised, and its work vectors
// live as long as the object, so that an hour allocates nothing. Matrices without complete
// bands take the sparse path.
class JacobiSolver {
public:
    explicit JacobiSolver(SolverPath path = SolverPath::Banded)
        : path_(path)
    {
    }

    void SetPath(SolverPath path) { path_ = path; }
    SolverPath Path() const { return path_; }

    // As SolveJacobi (x may be the same object as x0); always returns 0.
    int Solve(
        const NSparseMatrix& a, const NVector& x0, const NVector& b, NVector& x, MessageSink& sink);
    // How the last solve went.
    const JacobiReport& LastReport() const { return report_; }

private:
    SolverPath path_;
    JacobiReport report_;
    BandedSweep sweep_;
    TridiagonalWork work_;
    std::vector<float> direct_;
};

} // namespace quelvan::solver
