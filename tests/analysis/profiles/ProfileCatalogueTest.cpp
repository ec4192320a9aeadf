// The compiled-in tables: the families and their row counts as data/SOURCE.md
// lists them, the size names, and the rule every row is checked by while
// building (a radius no larger than the room it sits in).
#include <gtest/gtest.h>

#include <string>

#include "profiles/ProfileCatalogue.h"

namespace baricor {
namespace {

struct FamilyRows {
    std::string name;
    ProfileShape shape;
    size_t count;
    std::string first;
    std::string last;
};
void PrintTo(const FamilyRows& f, std::ostream* os) { *os << f.name; }
class Families : public ::testing::TestWithParam<std::pair<size_t, FamilyRows>> {};

TEST_P(Families, HoldEveryRowOfTheirTable) {
    const auto& [index, f] = GetParam();
    const ProfileFamily& family = ProfileFamilies().at(index);
    EXPECT_EQ(family.name, f.name);
    EXPECT_EQ(family.shape, f.shape);
    ASSERT_EQ(family.count, f.count) << f.name;
    EXPECT_EQ(family.first[0].name, f.first);
    EXPECT_EQ(family.first[family.count - 1].name, f.last);
    for (const Profile& profile : family) EXPECT_EQ(profile.shape, f.shape) << profile.name;
}

INSTANTIATE_TEST_SUITE_P(
    SourceTable, Families,
    ::testing::Values(std::pair<size_t, FamilyRows>{0, {"IPE", ProfileShape::I, 18, "IPE 80", "IPE 600"}},
                      std::pair<size_t, FamilyRows>{1, {"HEA", ProfileShape::I, 24, "HEA 100", "HEA 1000"}},
                      std::pair<size_t, FamilyRows>{2, {"HEB", ProfileShape::I, 24, "HEB 100", "HEB 1000"}},
                      std::pair<size_t, FamilyRows>{3, {"HEM", ProfileShape::I, 24, "HEM 100", "HEM 1000"}},
                      std::pair<size_t, FamilyRows>{4, {"UPE", ProfileShape::Channel, 14, "UPE 80", "UPE 400"}},
                      std::pair<size_t, FamilyRows>{
                          5, {"L lati uguali", ProfileShape::Angle, 80, "L 20x20x3", "L 203x203x28.6"}},
                      std::pair<size_t, FamilyRows>{
                          6, {"L lati disuguali", ProfileShape::Angle, 15, "L 120x80x8", "L 200x100x14"}}));

TEST(Catalogue, FindsASizeByItsShownName) {
    const Profile* ipe = FindProfile("IPE 200");
    ASSERT_NE(ipe, nullptr);
    EXPECT_EQ(ipe->dimensions, (std::array<double, 5>{200, 100, 5.6, 8.5, 12}));
    const Profile* angle = FindProfile("L 203x203x22.2");
    ASSERT_NE(angle, nullptr);
    EXPECT_EQ(angle->dimensions, (std::array<double, 5>{203, 203, 22.2, 8, 4}));
    EXPECT_EQ(FindProfile("IPE200"), nullptr);  // the table's spelling is not shown
    EXPECT_EQ(FindProfile("IPE 201"), nullptr);
}

struct FitCase {
    std::string name;
    ProfileShape shape;
    std::array<double, 5> d;
    bool fits;
};
void PrintTo(const FitCase& c, std::ostream* os) { *os << c.name; }
class FitRule : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitRule, RefusesWhatCannotBeRolled) {
    const FitCase& c = GetParam();
    EXPECT_EQ(ProfileDimensionsFit(c.shape, c.d[0], c.d[1], c.d[2], c.d[3], c.d[4]), c.fits) << c.name;
}

using S = ProfileShape;
INSTANTIATE_TEST_SUITE_P(
    Rows, FitRule,
    ::testing::Values(
        FitCase{"i_ok", S::I, {100, 100, 6, 10, 40}, true},
        // Beside the web: (b - tw)/2 = 47.
        FitCase{"i_fillet_fills_outstand", S::I, {200, 100, 6, 10, 47}, true},
        FitCase{"i_fillet_wider_than_outstand", S::I, {200, 100, 6, 10, 47.5}, false},
        // Over the web: h - 2 tf = 80 holds two radii of 40.
        FitCase{"i_fillets_fill_web", S::I, {100, 100, 6, 10, 40}, true},
        FitCase{"i_fillets_taller_than_web", S::I, {100, 100, 6, 10, 40.5}, false},
        FitCase{"i_web_as_wide_as_flange", S::I, {100, 100, 100, 10, 1}, false},
        FitCase{"i_zero_thickness", S::I, {100, 100, 0, 10, 1}, false},
        FitCase{"i_negative_depth", S::I, {-100, 100, 6, 10, 1}, false},
        FitCase{"i_no_fillet", S::I, {100, 100, 6, 10, 0}, false},
        FitCase{"channel_fillet_fills_outstand", S::Channel, {200, 80, 6, 11, 74}, true},
        FitCase{"channel_ok", S::Channel, {200, 80, 6, 11, 13}, true},
        FitCase{"channel_fillet_wider_than_outstand", S::Channel, {400, 80, 6, 11, 74.5}, false},
        FitCase{"channel_fillets_taller_than_web", S::Channel, {100, 80, 6, 11, 39.5}, false},
        // The root radius may exceed the thickness (L 20x20x3 has r1 = 3.5).
        FitCase{"angle_root_thicker_than_leg", S::Angle, {20, 20, 3, 3.5, 2}, true},
        FitCase{"angle_toe_thicker_than_leg", S::Angle, {100, 100, 10, 12, 10.5}, false},
        FitCase{"angle_radii_fill_short_leg", S::Angle, {150, 50, 10, 30, 10}, true},
        FitCase{"angle_radii_longer_than_short_leg", S::Angle, {150, 50, 10, 30.5, 10}, false},
        FitCase{"angle_radii_longer_than_long_leg", S::Angle, {50, 150, 10, 30.5, 10}, false}),
    [](const ::testing::TestParamInfo<FitCase>& info) { return info.param.name; });

}  // namespace
}  // namespace baricor
