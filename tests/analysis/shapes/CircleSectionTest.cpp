// The circle's figures.
#include "ShapeFigures.h"

namespace baricor::testing {
namespace {

using Texts = std::vector<std::pair<std::string, std::string>>;

ShapeFigure Circle(std::string name, Texts inputs, Texts expected, std::string pattern = "0.000E+00") {
    return {2, std::move(name), std::move(inputs), std::move(expected), false, std::move(pattern)};
}

INSTANTIATE_TEST_SUITE_P(
    CircleSection, ShapeFigures,
    ::testing::Values(
        Circle("defaults", {},
               {{"Sx", "0.000E+00"}, {"Sy", "0.000E+00"}, {"Jx", "4.909E+06"}, {"Jy", "4.909E+06"},
                {"Jxy", "0.000E+00"}, {"A", "7.854E+03"}}),
        Circle("translated_rotated30", {{"Dx", "10"}, {"Dy", "20"}, {"θ", "30"}},
               {{"Sx", "-9.677E+04"}, {"Sy", "-1.466E+05"}, {"Jx", "6.101E+06"}, {"Jy", "7.644E+06"},
                {"Jxy", "1.806E+06"}, {"A", "7.854E+03"}}),
        // The area's pi (3.141592) and the moment's (3.1415926) are told apart
        // where both come to 20.25 pi: one pi for both would show equal texts.
        Circle("area_pi_d9", {{"d", "9"}}, {{"A", "6.36172E+01"}}, "0.00000E+00"),
        Circle("moment_pi_d6", {{"d", "6"}}, {{"Jx", "6.36173E+01"}}, "0.00000E+00"),
        Circle("zero_diameter", {{"d", "0"}}, {}), Circle("overflowing_fourth_power", {{"d", "1e100"}}, {})),
    FigureName);

}  // namespace
}  // namespace baricor::testing
