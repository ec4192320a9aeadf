// The T's figures.
#include "ShapeFigures.h"

namespace baricor::testing {
namespace {

using Texts = std::vector<std::pair<std::string, std::string>>;

ShapeFigure T(std::string name, Texts inputs, Texts expected, bool errore2 = false) {
    return {6, std::move(name), std::move(inputs), std::move(expected), errore2};
}

const Texts kRectangle = {
    {"A", "1.500E+04"}, {"Jx", "2.813E+07"}, {"Jy", "1.250E+07"}, {"Jxy", "0.000E+00"}, {"yG", "75.00"}};

INSTANTIATE_TEST_SUITE_P(
    TSection, ShapeFigures,
    ::testing::Values(
        // A, yG and Jx are those of the default L: the same area at the same heights.
        T("defaults", {},
          {{"Sx", "0.000E+00"}, {"Sy", "0.000E+00"}, {"Jx", "1.201E+07"}, {"Jy", "2.246E+06"}, {"Jxy", "0.000E+00"},
           {"A", "5.625E+03"}, {"yG", "54.17"}}),
        T("translated_rotated30", {{"Dx", "10"}, {"Dy", "20"}, {"θ", "30"}},
          {{"Sx", "-6.930E+04"}, {"Sy", "-1.050E+05"}, {"Jx", "1.042E+07"}, {"Jy", "6.646E+06"}, {"Jxy", "5.522E+06"},
           {"yG", "54.17"}}),
        // |Jxy / Jx| is about 1.4e-5, just above the clean-up threshold.
        T("small_angle_keeps_product", {{"θ", "0.001"}},
          {{"Jxy", "1.704E+02"}, {"Jx", "1.201E+07"}, {"Jy", "2.246E+06"}}),
        T("flange_fills", {{"t1", "150"}}, kRectangle), T("web_fills", {{"t2", "100"}}, kRectangle),
        T("web_alone", {{"t1", "0"}}, {{"A", "3.750E+03"}, {"Jx", "7.031E+06"}, {"Jy", "1.953E+05"}, {"yG", "75.00"}}),
        T("flange_thicker_than_height_no_error", {{"t1", "200"}},
          {{"A", "1.875E+04"}, {"Jx", "5.891E+07"}, {"Jy", "1.660E+07"}, {"yG", "95.00"}}),
        T("negative_width", {{"a", "-100"}},
          {{"A", "6.250E+02"}, {"Jx", "-6.637E+07"}, {"Jy", "-1.921E+06"}, {"Jxy", "0.000E+00"}, {"yG", "387.50"}},
          true),
        T("negative_flange", {{"t1", "-25"}},
          {{"A", "1.875E+03"}, {"Jx", "-2.178E+07"}, {"Jy", "-1.855E+06"}, {"yG", "162.50"}}, true),
        T("zero_area", {{"t1", "0"}, {"t2", "0"}}, {}), T("overflowing_cube", {{"b", "1e200"}}, {})),
    FigureName);

}  // namespace
}  // namespace baricor::testing
