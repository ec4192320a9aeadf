// The torsion constant of a solid rectangle against the tabulated coefficients
// It = k·L·s³ (long side L, short side s): k = 0.1406 for a square (0.14058 to
// five digits), 0.229 at L/s = 2, 0.312 at L/s = 10, and the thin limit
// k -> (1/3)(1 - 0.630249 s/L) (the series' leading terms, 192/π⁵ · Σ 1/n⁵ over
// odd n = 0.630249).
#include <gtest/gtest.h>

#include <string>

#include "geometry/RectangleTorsion.h"

namespace baricor::geometry {
namespace {

struct Coefficient {
    double ratio;  // L / s
    double k;
    double tolerance;
};

class Coefficients : public ::testing::TestWithParam<Coefficient> {};

TEST_P(Coefficients, MatchTheTables) {
    const auto [ratio, k, tolerance] = GetParam();
    const double s = 12.5;
    const double L = ratio * s;
    EXPECT_NEAR(RectangleTorsionConstant(L, s) / (L * s * s * s), k, tolerance) << "L/s = " << ratio;
    // Either side may come first.
    EXPECT_EQ(RectangleTorsionConstant(s, L), RectangleTorsionConstant(L, s));
}

INSTANTIATE_TEST_SUITE_P(Tables, Coefficients,
                         ::testing::Values(Coefficient{1, 0.1406, 5e-5}, Coefficient{1, 0.14058, 5e-6},
                                           Coefficient{1.5, 0.196, 5e-4}, Coefficient{2, 0.229, 5e-4},
                                           Coefficient{3, 0.263, 5e-4}, Coefficient{5, 0.291, 5e-4},
                                           Coefficient{10, 0.312, 5e-4},
                                           Coefficient{100, (1 - 0.630249 / 100) / 3, 2e-9},
                                           Coefficient{1e6, (1 - 0.630249e-6) / 3, 2e-13}));

TEST(RectangleTorsion, WorkedRectangle) {
    // 100 x 150: k(1.5) = 0.19576 of 150 · 100³, 2.936E+07.
    EXPECT_NEAR(RectangleTorsionConstant(100, 150), 2.936e7, 0.0005e7);
}

TEST(RectangleTorsion, NoSideNoStiffness) {
    EXPECT_EQ(RectangleTorsionConstant(0, 10), 0.0);
    EXPECT_EQ(RectangleTorsionConstant(10, 0), 0.0);
    EXPECT_EQ(RectangleTorsionConstant(10, -1), 0.0);
}

}  // namespace
}  // namespace baricor::geometry
