#include "engine/TransferMatrix.h"

#include <algorithm>
#include <cmath>

namespace quelvan {

namespace {

using Complex = std::complex<double>;

// Above this d/δ the layer is written e^{d/δ} × (...): e^{-2d/δ} < 0.14, so the scaled sinh
// loses nothing to cancellation, and any thickness stays finite.
constexpr double kScaledFrom = 1.0;

// sinh(z) / z, with its series near 0 (where the quotient is 0/0 for a layer without capacity).
Complex Sinhc(Complex z)
{
    if (std::abs(z) < 1e-4)
        return 1.0 + z * z / 6.0;
    return std::sinh(z) / z;
}

} // namespace

TransferMatrix operator*(const TransferMatrix& a, const TransferMatrix& b)
{
    TransferMatrix p { a.z11 * b.z11 + a.z12 * b.z21, a.z11 * b.z12 + a.z12 * b.z22,
        a.z21 * b.z11 + a.z22 * b.z21, a.z21 * b.z12 + a.z22 * b.z22, a.logScale + b.logScale,
        a.exponent + b.exponent };
    const double largest
        = std::max({ std::abs(p.z11), std::abs(p.z12), std::abs(p.z21), std::abs(p.z22) });
    // A power of two is exact, and keeps a product of many layers from overflowing.
    int exponent = 0;
    std::frexp(largest, &exponent);
    if (largest > 0.0) {
        for (Complex* z : { &p.z11, &p.z12, &p.z21, &p.z22 })
            *z = { std::ldexp(z->real(), -exponent), std::ldexp(z->imag(), -exponent) };
        p.exponent += exponent;
    }
    return p;
}

TransferMatrix SurfaceMatrix(double resistance)
{
    return { 1.0, -resistance, 0.0, 1.0, 0.0, 0 };
}

TransferMatrix LayerMatrix(
    double thickness, double conductivity, double volumetricCapacity, double angularFrequency)
{
    // kd = (1 + i) d/δ, and λk² = iωρc, so −λk sinh(kd) = −iωρc d × sinh(kd)/(kd).
    const double a
        = thickness * std::sqrt(angularFrequency * volumetricCapacity / (2 * conductivity));
    const Complex z(a, a);
    const double r = thickness / conductivity;
    const Complex storage(0.0, angularFrequency * volumetricCapacity * thickness);
    if (a <= kScaledFrom) {
        const Complex s = Sinhc(z);
        return { std::cosh(z), -r * s, -storage * s, std::cosh(z), 0.0, 0 };
    }
    // cosh kd = e^a (e^{ia} + e^{-2a} e^{-ia}) / 2, sinh kd = e^a (e^{ia} - e^{-2a} e^{-ia}) / 2.
    const Complex rising = std::polar(0.5, a);
    const Complex falling = std::polar(0.5 * std::exp(-2 * a), -a);
    const Complex c = rising + falling;
    const Complex s = (rising - falling) / z;
    return { c, -r * s, -storage * s, c, a, 0 };
}

} // namespace quelvan
