#pragma once

#include <complex>

namespace quelvan {

// Complex 2×2 heat transfer matrix of a wall element for a sinusoidal regime e^{iωt}. It maps
// the complex amplitudes (temperature θ, heat-flux density q) on the exterior side of the
// element to those on its interior side, q counted positive toward the interior on both sides:
//     (θ_int, q_int) = Z (θ_ext, q_ext).
// A thick layer's entries grow like e^{d/δ}, beyond the range of a double; the matrix is
// therefore held as e^{logScale} 2^{exponent} × (z11 z12; z21 z22), with z of order one.
struct TransferMatrix {
    std::complex<double> z11 { 1.0 };
    std::complex<double> z12 { 0.0 };
    std::complex<double> z21 { 0.0 };
    std::complex<double> z22 { 1.0 };
    double logScale = 0.0;
    int exponent = 0;

    // Determinant of the scaled part z (the matrix's own is (e^{logScale} 2^{exponent})² times it).
    std::complex<double> ScaledDeterminant() const { return z11 * z22 - z12 * z21; }
};

// The product a × b: first b, then a (a lies on the interior side of b); its scaled part is
// brought to a largest entry in [0.5, 1) by the exponent.
TransferMatrix operator*(const TransferMatrix& a, const TransferMatrix& b);

// A surface resistance r (m².K/W) between the air and a face: θ drops by r q, q passes.
TransferMatrix SurfaceMatrix(double resistance);

// A homogeneous layer of thickness d (m), conductivity λ (W/(m.K)) and volumetric heat
// capacity ρc (J/(m³.K)) at the angular frequency ω (rad/s). With k = (1 + i)/δ and the
// periodic penetration depth δ = √(2λ / (ω ρc)):
//     Z = ( cosh kd            −sinh(kd) / (λk) )
//         ( −λk sinh(kd)       cosh kd          ),   det Z = 1.
// A layer without capacity (ρc = 0) is the pure resistance (1 −d/λ; 0 1).
TransferMatrix LayerMatrix(
    double thickness, double conductivity, double volumetricCapacity, double angularFrequency);

} // namespace quelvan
