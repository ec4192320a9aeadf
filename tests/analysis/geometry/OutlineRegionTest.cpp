// The eight shapes' outlines as regions: the region an outline describes has
// the figures of the shape's own formulas (written independently), holes
// included; the circle and the ring, whose formulas take shortened values of
// pi, against π d²/4 and π d⁴/64 with the double nearest π. And the principal
// axes as a function of their own give exactly what the derived window gives.
#include <gtest/gtest.h>

#include <cmath>

#include "DerivedProperties.h"
#include "PrincipalAxes.h"
#include "Shapes.h"
#include "geometry/Builders.h"
#include "geometry/Moments.h"

namespace baricor::geometry {
namespace {

constexpr double kPi = 3.141592653589793;

class Outlines : public ::testing::TestWithParam<int> {};

TEST_P(Outlines, HaveTheShapesFigures) {
    const SectionShape& shape = *ShapeByNumber(GetParam());
    const Dimensions& d = shape.loadDimensions;
    SectionProperties expected = shape.formulas(d);
    const bool ring = &shape == &RingSection();
    if (&shape == &CircleSection() || ring) {
        const double outer = d[0];
        const double inner = ring ? d[1] : 0.0;
        expected.A = kPi * (outer * outer - inner * inner) / 4;
        expected.Jx0 = expected.Jy0 = kPi * (std::pow(outer, 4) - std::pow(inner, 4)) / 64;
    }
    const CentroidalMoments g = CentroidalMomentsOf(RegionFromOutline(shape.outline(d, expected)));
    const double J = std::max(expected.Jx0, expected.Jy0);
    EXPECT_NEAR(g.A, expected.A, 1e-13 * expected.A) << GetParam();
    EXPECT_NEAR(g.Jx0, expected.Jx0, 1e-13 * J) << GetParam();
    EXPECT_NEAR(g.Jy0, expected.Jy0, 1e-13 * J) << GetParam();
    EXPECT_NEAR(g.Jxy0, expected.Jxy0, 1e-13 * J) << GetParam();
    // Outlines are drawn about G.
    EXPECT_NEAR(g.xG, 0, 1e-12 * d[0]) << GetParam();
    EXPECT_NEAR(g.yG, 0, 1e-12 * d[0]) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(EveryShape, Outlines, ::testing::Range(1, 9));

TEST(PrincipalAxes, AsTheDerivedWindow) {
    // The L (the only shape with a product of inertia) at its defaults and with
    // its legs swapped, and a square built as a double T (equal moments).
    const struct {
        int shape;
        Dimensions d;
    } cases[] = {{5, {100, 150, 25, 25}}, {5, {150, 100, 10, 30}}, {7, {100, 100, 20, 100}}};
    for (const auto& c : cases) {
        const SectionShape& shape = *ShapeByNumber(c.shape);
        const SectionProperties p = shape.formulas(c.d);
        const DerivedSection derived = DeriveSection(shape, c.d);
        ASSERT_TRUE(derived.values);
        const PrincipalMoments principal = PrincipalMomentsOf(p.Jx0, p.Jy0, p.Jxy0);
        EXPECT_EQ(principal.J1, derived.values->J1);
        EXPECT_EQ(principal.J2, derived.values->J2);
        EXPECT_EQ(principal.alpha, derived.values->alpha);
    }
}

}  // namespace
}  // namespace baricor::geometry
