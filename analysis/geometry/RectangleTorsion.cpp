#include "geometry/RectangleTorsion.h"

#include <algorithm>
#include <cmath>

#include "Angles.h"

namespace baricor::geometry {
namespace {

// Σ_{n odd} 1/n⁵ = (31/32) ζ(5).
constexpr double kOddZeta5 = 31.0 / 32.0 * 1.0369277551433699263;

}  // namespace

double RectangleTorsionConstant(double side1, double side2) {
    const double L = std::max(side1, side2);
    const double s = std::min(side1, side2);
    if (!(s > 0)) return 0.0;
    // Σ tanh(n q) / n⁵ = Σ 1/n⁵ + Σ (tanh(n q) - 1) / n⁵, and tanh(x) - 1 =
    // -2 e^(-2x) / (1 + e^(-2x)): the second sum's terms fall off at least as
    // e^(-n π) / n⁵, a few of them reach double precision.
    const double q = kPi * L / (2 * s);
    double tail = 0.0;
    for (int n = 1; n < 200; n += 2) {
        const double e = std::exp(-2 * n * q);
        const double term = -2 * e / (1 + e) / std::pow(n, 5);
        tail += term;
        if (std::fabs(term) <= 1e-18 * kOddZeta5) break;
    }
    const double sum = kOddZeta5 + tail;
    return L * s * s * s / 3 * (1 - 192 / std::pow(kPi, 5) * (s / L) * sum);
}

}  // namespace baricor::geometry
