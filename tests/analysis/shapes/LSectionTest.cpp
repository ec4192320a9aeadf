// The L's figures: the only shape with a centroidal product of inertia.
#include "ShapeFigures.h"

namespace baricor::testing {
namespace {

using Texts = std::vector<std::pair<std::string, std::string>>;

ShapeFigure L(std::string name, Texts inputs, Texts expected, bool errore2 = false,
              std::string pattern = "0.000E+00") {
    return {5, std::move(name), std::move(inputs), std::move(expected), errore2, std::move(pattern)};
}

const Texts kRectangle = {{"A", "1.500E+04"}, {"Jx", "2.813E+07"}, {"Jy", "1.250E+07"},
                          {"Jxy", "0.000E+00"}, {"xG", "50.00"},    {"yG", "75.00"}};

INSTANTIATE_TEST_SUITE_P(
    LSection, ShapeFigures,
    ::testing::Values(
        L("defaults", {},
          {{"Sx", "0.000E+00"}, {"Sy", "0.000E+00"}, {"Jx", "1.201E+07"}, {"Jy", "4.199E+06"}, {"Jxy", "-3.906E+06"},
           {"A", "5.625E+03"}, {"xG", "29.17"}, {"yG", "54.17"}}),
        L("translated_rotated30", {{"Dx", "10"}, {"Dy", "20"}, {"θ", "30"}},
          {{"Sx", "-6.930E+04"}, {"Sy", "-1.050E+05"}, {"Jx", "1.430E+07"}, {"Jy", "4.728E+06"}, {"Jxy", "2.723E+06"},
           {"xG", "29.17"}, {"yG", "54.17"}}),
        L("principal_axes", {{"θ", "22.5"}}, {{"Jx", "1.363E+07"}, {"Jy", "2.581E+06"}, {"Jxy", "0.000E+00"}}),
        L("theta90_swaps", {{"θ", "90"}}, {{"Jx", "4.199E+06"}, {"Jy", "1.201E+07"}, {"Jxy", "3.906E+06"}}),
        L("horizontal_leg_fills", {{"t1", "150"}}, kRectangle), L("vertical_leg_fills", {{"t2", "100"}}, kRectangle),
        L("vertical_leg_alone", {{"t1", "0"}},
          {{"A", "3.750E+03"}, {"Jx", "7.031E+06"}, {"Jy", "1.953E+05"}, {"Jxy", "0.000E+00"}, {"xG", "12.50"},
           {"yG", "75.00"}}),
        L("leg_thicker_than_height_no_error", {{"t1", "200"}},
          {{"A", "1.875E+04"}, {"Jx", "5.891E+07"}, {"Jy", "1.473E+07"}, {"Jxy", "3.750E+06"}, {"xG", "52.50"},
           {"yG", "95.00"}}),
        L("negative_width", {{"a", "-100"}},
          {{"A", "6.250E+02"}, {"Jx", "-6.637E+07"}, {"Jy", "-5.075E+07"}, {"Jxy", "-5.859E+07"}, {"xG", "262.50"},
           {"yG", "387.50"}},
          true),
        L("negative_leg", {{"t1", "-25"}},
          {{"A", "1.875E+03"}, {"Jx", "-2.178E+07"}, {"Jy", "-1.006E+07"}, {"Jxy", "1.641E+07"}, {"xG", "-37.50"},
           {"yG", "162.50"}},
          true),
        // The digit menu reaches the section results, never the centroid.
        L("three_digits", {}, {{"A", "5.63E+03"}, {"xG", "29.17"}, {"yG", "54.17"}}, false, "0.00E+00"),
        L("zero_area", {{"t1", "0"}, {"t2", "0"}}, {}), L("overflowing_cube", {{"a", "1e200"}}, {})),
    FigureName);

}  // namespace
}  // namespace baricor::testing
