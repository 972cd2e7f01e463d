#pragma once

#include "engine/solver/NSparseMatrix.h"
#include "engine/solver/NVector.h"
#include "engine/solver/TridiagonalBands.h"

#include <string>

namespace quelvan {
class MessageSink;
}

namespace quelvan::solver {

inline constexpr int kJacobiMaxSweeps = 10000;
inline constexpr float kJacobiTolerance = 0.0000005f;
inline constexpr int kJacobiProgressEvery = 25;
inline constexpr int kJacobiProgressErase = 38;
// Largest distance (K) between the sweeps' result and the direct solution that is accepted.
inline constexpr float kJacobiAccuracy = 0.005f;

// How a solve went (for tests and benchmarks; the engine does not need it).
struct JacobiReport {
    int sweeps = 0;
    float lastError = 1.0f; // largest relative change of the last sweep
    bool converged = false; // stopped on the tolerance
    bool directFallback = false; // a direct solve replaced the sweeps' result
    float distance = 0.0f; // largest |x_sweeps - x_direct| (0 when not tridiagonal)
    bool banded = false; // the banded kernel made the sweeps (JacobiSolver)
};

// The progress line written before sweeps 0, 25, 50...: 38 backspaces (so that a terminal
// overwrites the previous line) then "   iteration : %4d, erreur= %9.2e", no line feed.
std::string JacobiProgressLine(int iteration, float error);

// Solves A x = b by Jacobi sweeps from x0 (x may be the same object as x0). A must be
// finalised and square with a diagonal element in every row. Stops when the largest relative
// change |dx| / (|x| + 1e-7) of a sweep is at most 5e-7, or after 10000 sweeps. A tridiagonal
// system is then also solved directly: after 10000 sweeps, or when the sweeps' result lies more
// than 0.005 K from the direct solution, the direct solution is taken and the fallback is
// reported to the sink. A row whose diagonal is zero or missing is left unchanged. Always
// returns 0.
int SolveJacobi(const NSparseMatrix& a, const NVector& x0, const NVector& b, NVector& x,
    MessageSink& sink, JacobiReport* report = nullptr);

// What the direct solve said of the sweeps' result.
struct DirectCheck {
    bool fallback = false; // the direct solution replaced the sweeps' result
    float distance = 0.0f; // largest |x_sweeps - x_direct| (0 when the direct solve failed)
};

// The end of every Jacobi solve: a direct solve of the banded system (b and x of the bands'
// size) certifies x. When the sweeps did not converge, or x lies more than 0.005 K from the
// direct solution, x takes the direct solution and the sink is told why. direct receives the
// direct solution; work is reused from solve to solve.
DirectCheck CertifyByDirectSolve(const TridiagonalBands& bands, const float* b, bool converged,
    float* x, TridiagonalWork& work, float* direct, MessageSink& sink);

// Direct solve of a tridiagonal system (Thomas algorithm, double precision). False, with x
// unchanged, when A has an element outside the three diagonals, is not square, or a pivot
// vanishes.
bool SolveTridiagonal(const NSparseMatrix& a, const NVector& b, NVector& x);

} // namespace quelvan::solver
