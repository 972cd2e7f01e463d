#include "engine/BandedSweep.h"

#include <algorithm>
#include <cmath>

// The plain loops serve processors without SSE2; defining QUELVAN_PLAIN_SWEEP builds them on x86
// too, so that they can be checked against the sparse path there.
#if defined(__SSE2__) && !defined(QUELVAN_PLAIN_SWEEP)
#define QUELVAN_SSE2_SWEEP 1
#include <emmintrin.h>
#endif

namespace quelvan {

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
} // namespace

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

#if defined(QUELVAN_SSE2_SWEEP)

float BandedSweep::Sweep()
{
    const double* lower = lower_.data();
    const double* diagonal = diagonal_.data();
    const double* upper = upper_.data();
    float* x = x_.data() + 1;
    float* residual = residual_.data();
    const auto two = [](const float* p) { // two floats widened to double
        return _mm_cvtps_pd(_mm_castsi128_ps(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p))));
    };
    // Residuals, two rows at a time: 0.0 + l x[i-1] + d x[i] + u x[i+1], each product in double.
    for (int i = 0; i < rows_; i += 2) {
        __m128d sum = _mm_setzero_pd();
        sum = _mm_add_pd(sum, _mm_mul_pd(_mm_loadu_pd(lower + i), two(x + i - 1)));
        sum = _mm_add_pd(sum, _mm_mul_pd(_mm_loadu_pd(diagonal + i), two(x + i)));
        sum = _mm_add_pd(sum, _mm_mul_pd(_mm_loadu_pd(upper + i), two(x + i + 1)));
        const __m128 products = _mm_cvtpd_ps(sum);
        const __m128 rhs
            = _mm_castsi128_ps(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(b_.data() + i)));
        _mm_storel_epi64(
            reinterpret_cast<__m128i*>(residual + i), _mm_castps_si128(_mm_sub_ps(rhs, products)));
    }
    // Updates, four rows at a time; max_ps(ratio, largest) keeps largest when ratio is not a
    // number, as "ratio > error" does.
    const __m128 magnitude = _mm_castsi128_ps(_mm_set1_epi32(0x7fffffff));
    const __m128 floor = _mm_set1_ps(kChangeFloor);
    __m128 largest = _mm_setzero_ps();
    for (int i = 0; i < rows_; i += kRowsPerStep) {
        const __m128 r = _mm_loadu_ps(residual + i);
        const __m128d low = _mm_div_pd(_mm_cvtps_pd(r), _mm_loadu_pd(diagonal + i));
        const __m128d high
            = _mm_div_pd(_mm_cvtps_pd(_mm_movehl_ps(r, r)), _mm_loadu_pd(diagonal + i + 2));
        const __m128 delta = _mm_movelh_ps(_mm_cvtpd_ps(low), _mm_cvtpd_ps(high));
        const __m128 moved = _mm_add_ps(_mm_loadu_ps(x + i), delta);
        _mm_storeu_ps(x + i, moved);
        const __m128 ratio = _mm_div_ps(
            _mm_and_ps(delta, magnitude), _mm_add_ps(_mm_and_ps(moved, magnitude), floor));
        largest = _mm_max_ps(ratio, largest);
    }
    alignas(16) float lanes[kRowsPerStep];
    _mm_store_ps(lanes, largest);
    float error = 0.0f;
    for (float v : lanes) {
        if (v > error)
            error = v;
    }
    // Padding rows stay at 0 whatever a non-finite neighbour gave them.
    std::fill(x_.begin() + n_ + 1, x_.end(), 0.0f);
    return error;
}

#else

float BandedSweep::Sweep()
{
    float* x = x_.data() + 1;
    for (int i = 0; i < rows_; ++i) {
        double sum = 0.0;
        sum += lower_[static_cast<size_t>(i)] * x[i - 1];
        sum += diagonal_[static_cast<size_t>(i)] * x[i];
        sum += upper_[static_cast<size_t>(i)] * x[i + 1];
        residual_[static_cast<size_t>(i)] = b_[static_cast<size_t>(i)] - static_cast<float>(sum);
    }
    float error = 0.0f;
    for (int i = 0; i < rows_; ++i) {
        const auto k = static_cast<size_t>(i);
        const auto delta = static_cast<float>(residual_[k] / diagonal_[k]);
        x[i] = x[i] + delta;
        const float ratio = std::fabs(delta) / (std::fabs(x[i]) + kChangeFloor);
        if (ratio > error)
            error = ratio;
    }
    std::fill(x_.begin() + n_ + 1, x_.end(), 0.0f);
    return error;
}

#endif

} // namespace quelvan
