// The ring's figures.
#include "ShapeFigures.h"

namespace baricor::testing {
namespace {

using Texts = std::vector<std::pair<std::string, std::string>>;

ShapeFigure Ring(std::string name, Texts inputs, Texts expected, bool errore2 = false,
                 std::string pattern = "0.000E+00") {
    return {4, std::move(name), std::move(inputs), std::move(expected), errore2, std::move(pattern)};
}

INSTANTIATE_TEST_SUITE_P(
    RingSection, ShapeFigures,
    ::testing::Values(
        Ring("defaults", {},
             {{"Sx", "0.000E+00"}, {"Sy", "0.000E+00"}, {"Jx", "2.898E+06"}, {"Jy", "2.898E+06"}, {"Jxy", "0.000E+00"},
              {"A", "2.827E+03"}}),
        Ring("translated_rotated30", {{"Dx", "10"}, {"Dy", "20"}, {"θ", "30"}},
             {{"Sx", "-3.484E+04"}, {"Sy", "-5.276E+04"}, {"Jx", "3.327E+06"}, {"Jy", "3.883E+06"},
              {"Jxy", "6.500E+05"}, {"A", "2.827E+03"}}),
        // With no hole the ring shows the solid circle's texts.
        Ring("no_hole_is_the_circle", {{"d2", "0"}}, {{"A", "7.854E+03"}, {"Jx", "4.909E+06"}, {"Jy", "4.909E+06"}}),
        // The area's pi and the moment's told apart, as for the circle.
        Ring("area_pi_d9", {{"d1", "9"}, {"d2", "0"}}, {{"A", "6.36172E+01"}}, false, "0.00000E+00"),
        Ring("moment_pi_d6", {{"d1", "6"}, {"d2", "0"}}, {{"Jx", "6.36173E+01"}}, false, "0.00000E+00"),
        Ring("hole_larger_than_outline", {{"d1", "80"}, {"d2", "100"}},
             {{"A", "-2.827E+03"}, {"Jx", "-2.898E+06"}, {"Jy", "-2.898E+06"}}, true),
        Ring("equal_diameters", {{"d1", "80"}}, {}), Ring("overflowing_fourth_power", {{"d1", "1e100"}}, {})),
    FigureName);

}  // namespace
}  // namespace baricor::testing
