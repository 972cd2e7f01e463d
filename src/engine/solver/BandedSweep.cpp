#include "engine/solver/BandedSweep.h"

#include <algorithm>
#include <cmath>

// The vector kernels need x86 vector instructions; AVX is compiled for its own functions only
// and chosen when the processor has it, so the program still runs on any x86-64.
#if defined(__SSE2__) && defined(__GNUC__)
#define QUELVAN_VECTOR_SWEEP 1
#include <immintrin.h>
#endif

namespace quelvan::solver {

namespace {
constexpr int kRowsPerStep = 4;
constexpr float kChangeFloor = 0.0000001f;

// Copies n values into a padded array and fills the rest with the padding value.
template <typename T> void Padded(std::vector<T>& to, const T* from, int n, int size, T padding)
{
    to.resize(static_cast<size_t>(size));
    std::copy(from, from + n, to.begin());
    std::fill(to.begin() + n, to.end(), padding);
}

// The arrays of one sweep; x points at row 0, with a zero before it and after the last row.
struct SweepArrays {
    const double* lower;
    const double* diagonal;
    const double* upper;
    const float* b;
    float* x;
    float* residual;
    int rows;
};

float SweepPlain(const SweepArrays& a)
{
    for (int i = 0; i < a.rows; ++i) {
        double sum = 0.0;
        sum += a.lower[i] * a.x[i - 1];
        sum += a.diagonal[i] * a.x[i];
        sum += a.upper[i] * a.x[i + 1];
        a.residual[i] = a.b[i] - static_cast<float>(sum);
    }
    float error = 0.0f;
    for (int i = 0; i < a.rows; ++i) {
        const auto delta = static_cast<float>(a.residual[i] / a.diagonal[i]);
        a.x[i] = a.x[i] + delta;
        const float ratio = std::fabs(delta) / (std::fabs(a.x[i]) + kChangeFloor);
        if (ratio > error)
            error = ratio;
    }
    return error;
}

#if defined(QUELVAN_VECTOR_SWEEP)

// The largest of four lanes; max_ps(ratio, largest) in the kernels keeps largest when ratio is
// not a number, as "ratio > error" does.
float LargestLane(__m128 largest)
{
    alignas(16) float lanes[kRowsPerStep];
    _mm_store_ps(lanes, largest);
    float error = 0.0f;
    for (float v : lanes) {
        if (v > error)
            error = v;
    }
    return error;
}

float SweepSse2(const SweepArrays& a)
{
    const auto two = [](const float* p) { // two floats widened to double
        return _mm_cvtps_pd(_mm_castsi128_ps(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p))));
    };
    // Residuals, two rows at a time: 0.0 + l x[i-1] + d x[i] + u x[i+1], each product in double.
    for (int i = 0; i < a.rows; i += 2) {
        __m128d sum = _mm_setzero_pd();
        sum = _mm_add_pd(sum, _mm_mul_pd(_mm_loadu_pd(a.lower + i), two(a.x + i - 1)));
        sum = _mm_add_pd(sum, _mm_mul_pd(_mm_loadu_pd(a.diagonal + i), two(a.x + i)));
        sum = _mm_add_pd(sum, _mm_mul_pd(_mm_loadu_pd(a.upper + i), two(a.x + i + 1)));
        const __m128 products = _mm_cvtpd_ps(sum);
        const __m128 rhs
            = _mm_castsi128_ps(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(a.b + i)));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(a.residual + i),
            _mm_castps_si128(_mm_sub_ps(rhs, products)));
    }
    // Updates, four rows at a time.
    const __m128 magnitude = _mm_castsi128_ps(_mm_set1_epi32(0x7fffffff));
    const __m128 floor = _mm_set1_ps(kChangeFloor);
    __m128 largest = _mm_setzero_ps();
    for (int i = 0; i < a.rows; i += kRowsPerStep) {
        const __m128 r = _mm_loadu_ps(a.residual + i);
        const __m128d low = _mm_div_pd(_mm_cvtps_pd(r), _mm_loadu_pd(a.diagonal + i));
        const __m128d high
            = _mm_div_pd(_mm_cvtps_pd(_mm_movehl_ps(r, r)), _mm_loadu_pd(a.diagonal + i + 2));
        const __m128 delta = _mm_movelh_ps(_mm_cvtpd_ps(low), _mm_cvtpd_ps(high));
        const __m128 moved = _mm_add_ps(_mm_loadu_ps(a.x + i), delta);
        _mm_storeu_ps(a.x + i, moved);
        const __m128 ratio = _mm_div_ps(
            _mm_and_ps(delta, magnitude), _mm_add_ps(_mm_and_ps(moved, magnitude), floor));
        largest = _mm_max_ps(ratio, largest);
    }
    return LargestLane(largest);
}

// The same operations as SweepSse2, four rows per instruction in double precision as well.
__attribute__((target("avx"))) float SweepAvx(const SweepArrays& a)
{
    for (int i = 0; i < a.rows; i += kRowsPerStep) {
        __m256d sum = _mm256_setzero_pd();
        sum = _mm256_add_pd(sum,
            _mm256_mul_pd(
                _mm256_loadu_pd(a.lower + i), _mm256_cvtps_pd(_mm_loadu_ps(a.x + i - 1))));
        sum = _mm256_add_pd(sum,
            _mm256_mul_pd(_mm256_loadu_pd(a.diagonal + i), _mm256_cvtps_pd(_mm_loadu_ps(a.x + i))));
        sum = _mm256_add_pd(sum,
            _mm256_mul_pd(
                _mm256_loadu_pd(a.upper + i), _mm256_cvtps_pd(_mm_loadu_ps(a.x + i + 1))));
        _mm_storeu_ps(a.residual + i, _mm_sub_ps(_mm_loadu_ps(a.b + i), _mm256_cvtpd_ps(sum)));
    }
    const __m128 magnitude = _mm_castsi128_ps(_mm_set1_epi32(0x7fffffff));
    const __m128 floor = _mm_set1_ps(kChangeFloor);
    __m128 largest = _mm_setzero_ps();
    for (int i = 0; i < a.rows; i += kRowsPerStep) {
        const __m128 delta = _mm256_cvtpd_ps(_mm256_div_pd(
            _mm256_cvtps_pd(_mm_loadu_ps(a.residual + i)), _mm256_loadu_pd(a.diagonal + i)));
        const __m128 moved = _mm_add_ps(_mm_loadu_ps(a.x + i), delta);
        _mm_storeu_ps(a.x + i, moved);
        const __m128 ratio = _mm_div_ps(
            _mm_and_ps(delta, magnitude), _mm_add_ps(_mm_and_ps(moved, magnitude), floor));
        largest = _mm_max_ps(ratio, largest);
    }
    return LargestLane(largest);
}

#endif
} // namespace

bool BandedSweep::Runs(SweepKernel kernel)
{
    switch (kernel) {
    case SweepKernel::Plain:
        return true;
#if defined(QUELVAN_VECTOR_SWEEP)
    case SweepKernel::Sse2:
        return true;
    case SweepKernel::Avx:
        return __builtin_cpu_supports("avx");
#endif
    default:
        return false;
    }
}

SweepKernel BandedSweep::Fastest()
{
    static const SweepKernel fastest = Runs(SweepKernel::Avx) ? SweepKernel::Avx
        : Runs(SweepKernel::Sse2)                             ? SweepKernel::Sse2
                                                              : SweepKernel::Plain;
    return fastest;
}

void BandedSweep::Load(const TridiagonalBands& bands, const float* b, const float* x0)
{
    const int n = bands.Size();
    rows_ = (n + kRowsPerStep - 1) / kRowsPerStep * kRowsPerStep;
    Padded(lower_, bands.lower.data(), n, rows_, 0.0);
    Padded(diagonal_, bands.diagonal.data(), n, rows_, 1.0);
    Padded(upper_, bands.upper.data(), n, rows_, 0.0);
    Padded(b_, b, n, rows_, 0.0f);
    x_.assign(static_cast<size_t>(rows_ + 2), 0.0f);
    std::copy(x0, x0 + n, x_.begin() + 1);
    residual_.resize(static_cast<size_t>(rows_));
    n_ = n;
}

float BandedSweep::Sweep()
{
    const SweepArrays arrays { lower_.data(), diagonal_.data(), upper_.data(), b_.data(),
        x_.data() + 1, residual_.data(), rows_ };
    float error = 0.0f;
    switch (kernel_) {
#if defined(QUELVAN_VECTOR_SWEEP)
    case SweepKernel::Avx:
        error = SweepAvx(arrays);
        break;
    case SweepKernel::Sse2:
        error = SweepSse2(arrays);
        break;
#endif
    default:
        error = SweepPlain(arrays);
        break;
    }
    // Padding rows stay at 0 whatever a non-finite neighbour gave them.
    for (int i = n_; i < rows_; ++i)
        arrays.x[i] = 0.0f;
    return error;
}

} // namespace quelvan::solver
