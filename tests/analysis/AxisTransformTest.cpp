#include <gtest/gtest.h>

#include <cmath>

#include "AxisTransform.h"

using baricor::AxisTransform;

namespace {

// The rectangle 100 x 150 about its centroid, as its formulas compute it.
const baricor::CentroidalProperties kRectangle{15000, 28124999.999999996, 12500000, 0};

TEST(AxisTransform, UntouchedAxesGiveTheCentroidalValues) {
    const auto r = AxisTransform(kRectangle, {0, 0, 0});
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Sx, 0.0);
    EXPECT_EQ(r->Sy, 0.0);
    EXPECT_EQ(r->Jx, kRectangle.Jx0);
    EXPECT_EQ(r->Jy, kRectangle.Jy0);
    EXPECT_EQ(r->Jxy, 0.0);
}

TEST(AxisTransform, TranslationUsesParallelAxes) {
    const auto r = AxisTransform(kRectangle, {10, 20, 0});
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Sx, -300000.0);
    EXPECT_EQ(r->Sy, -150000.0);
    EXPECT_DOUBLE_EQ(r->Jx, 34125000.0);
    EXPECT_DOUBLE_EQ(r->Jy, 14000000.0);
    EXPECT_EQ(r->Jxy, 3000000.0);  // plus sign: (-Dx)(-Dy) = Dx Dy
}

TEST(AxisTransform, RightAngleKeepsTheShortenedPiResidue) {
    const auto r = AxisTransform(kRectangle, {0, 0, 90});
    ASSERT_TRUE(r);
    EXPECT_NEAR(r->Jx, 12500000.0000017, 1e-6);
    EXPECT_NEAR(r->Jy, 28124999.9999983, 1e-6);
    EXPECT_EQ(r->Jxy, 0.0);
}

TEST(AxisTransform, CleanUpIsStrictAndLooksAtBothMoments) {
    // theta = 0.001 on the default T leaves |Jxy/Jx| just above the threshold.
    const baricor::CentroidalProperties t{5625, 12011718.75, 2246093.75, 0};
    const auto kept = AxisTransform(t, {0, 0, 0.001});
    ASSERT_TRUE(kept);
    EXPECT_NEAR(kept->Jxy, 170.4, 0.1);
    const auto cleaned = AxisTransform(kRectangle, {0, 0, 0.0001});
    ASSERT_TRUE(cleaned);
    EXPECT_EQ(cleaned->Jxy, 0.0);
}

TEST(AxisTransform, ZeroMomentHasNoResult) {
    EXPECT_FALSE(AxisTransform({0, 0, 0, 0}, {0, 0, 0}));
    EXPECT_FALSE(AxisTransform({1, 5, 0, 0}, {0, 0, 0}));  // Jy alone is zero
}

}  // namespace
