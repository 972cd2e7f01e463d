// The solver's notes that name its limits, written from the limits themselves.
#include "core/Messages.h"
#include "engine/solver/LinearSolver.h"

#include <array>
#include <cstddef>

namespace quelvan::msg {

namespace {

constexpr std::size_t DigitCount(int value)
{
    std::size_t digits = 1;
    for (; value >= 10; value /= 10)
        ++digits;
    return digits;
}

static_assert(solver::kJacobiMaxSweeps > 0);
constexpr std::size_t kFallbackLength = kSolverDirectFallbackBefore.size()
    + DigitCount(solver::kJacobiMaxSweeps) + kSolverDirectFallbackAfter.size();

// "Le solveur itératif n'a pas convergé en " + the limit in decimal + " itérations : ...", with
// its terminating zero, made at compile time.
constexpr std::array<char, kFallbackLength + 1> kFallbackText = [] {
    std::array<char, kFallbackLength + 1> text {};
    std::size_t at = 0;
    for (const char c : kSolverDirectFallbackBefore)
        text[at++] = c;
    at += DigitCount(solver::kJacobiMaxSweeps);
    std::size_t digit = at;
    for (int value = solver::kJacobiMaxSweeps; value > 0; value /= 10)
        text[--digit] = static_cast<char>('0' + value % 10);
    for (const char c : kSolverDirectFallbackAfter)
        text[at++] = c;
    return text;
}();

} // namespace

const char* const kSolverDirectFallback = kFallbackText.data();

} // namespace quelvan::msg
