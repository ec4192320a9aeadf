// The C's figures.
#include "ShapeFigures.h"

namespace baricor::testing {
namespace {

using Texts = std::vector<std::pair<std::string, std::string>>;

ShapeFigure C(std::string name, Texts inputs, Texts expected, bool errore2 = false,
              std::string pattern = "0.000E+00") {
    return {8, std::move(name), std::move(inputs), std::move(expected), errore2, std::move(pattern)};
}

const Texts kRectangle = {{"A", "1.500E+04"}, {"xG", "50.00"}, {"Jx", "2.813E+07"}, {"Jy", "1.250E+07"}};

INSTANTIATE_TEST_SUITE_P(
    CSection, ShapeFigures,
    ::testing::Values(
        C("defaults", {},
          {{"Sx", "0.000E+00"}, {"Sy", "0.000E+00"}, {"Jx", "1.981E+07"}, {"Jy", "5.768E+06"}, {"Jxy", "0.000E+00"},
           {"A", "6.750E+03"}, {"xG", "34.72"}}),
        C("translated_rotated30", {{"Dx", "10"}, {"Dy", "20"}, {"θ", "30"}},
          {{"Sx", "-8.316E+04"}, {"Sy", "-1.260E+05"}, {"Jx", "1.732E+07"}, {"Jy", "1.163E+07"}, {"Jxy", "7.630E+06"},
           {"A", "6.750E+03"}, {"xG", "34.72"}}),
        C("web_fills", {{"t2", "100"}}, kRectangle), C("flanges_fill", {{"t1", "75"}}, kRectangle),
        C("no_web", {{"t2", "0"}}, {{"A", "4.000E+03"}, {"xG", "50.00"}, {"Jx", "1.703E+07"}, {"Jy", "3.333E+06"}}),
        C("flanges_thicker_than_half_no_error", {{"t1", "100"}},
          {{"A", "1.875E+04"}, {"xG", "52.50"}, {"Jx", "2.891E+07"}, {"Jy", "1.473E+07"}}),
        C("wide_thin", {{"a", "200"}, {"b", "100"}, {"t1", "10"}, {"t2", "10"}},
          {{"A", "4.800E+03"}, {"xG", "84.17"}, {"Jx", "8.560E+06"}, {"Jy", "1.936E+07"}}),
        C("negative_flange", {{"t1", "-20"}},
          {{"A", "7.500E+02"}, {"xG", "-187.50"}, {"Jx", "-1.474E+07"}, {"Jy", "-3.871E+07"}}, true),
        C("six_digits", {}, {{"Jx", "1.98063E+07"}, {"A", "6.75000E+03"}, {"xG", "34.72"}}, false, "0.00000E+00"),
        C("zero_area", {{"t1", "0"}, {"t2", "0"}}, {}), C("no_flanges_no_web", {{"a", "0"}, {"t2", "0"}}, {}),
        C("overflowing_cube", {{"b", "1e200"}}, {})),
    FigureName);

}  // namespace
}  // namespace baricor::testing
