// The double T's figures.
#include "ShapeFigures.h"

namespace baricor::testing {
namespace {

using Texts = std::vector<std::pair<std::string, std::string>>;

ShapeFigure DoubleT(std::string name, Texts inputs, Texts expected, bool errore2 = false) {
    return {7, std::move(name), std::move(inputs), std::move(expected), errore2};
}

const Texts kRectangle = {{"A", "1.500E+04"}, {"Jx", "2.813E+07"}, {"Jy", "1.250E+07"}};

INSTANTIATE_TEST_SUITE_P(
    DoubleTSection, ShapeFigures,
    ::testing::Values(
        DoubleT("defaults", {},
                {{"Sx", "0.000E+00"}, {"Sy", "0.000E+00"}, {"Jx", "1.981E+07"}, {"Jy", "3.477E+06"},
                 {"Jxy", "0.000E+00"}, {"A", "6.750E+03"}}),
        DoubleT("translated_rotated30", {{"Dx", "10"}, {"Dy", "20"}, {"θ", "30"}},
                {{"Sx", "-8.316E+04"}, {"Sy", "-1.260E+05"}, {"Jx", "1.675E+07"}, {"Jy", "9.909E+06"},
                 {"Jxy", "8.623E+06"}, {"A", "6.750E+03"}}),
        DoubleT("web_fills", {{"t2", "100"}}, kRectangle), DoubleT("flanges_fill", {{"t1", "75"}}, kRectangle),
        DoubleT("flanges_thicker_than_half_no_error", {{"t1", "100"}},
                {{"A", "1.875E+04"}, {"Jx", "2.891E+07"}, {"Jy", "1.660E+07"}}),
        DoubleT("no_web", {{"t2", "0"}}, {{"A", "4.000E+03"}, {"Jx", "1.703E+07"}, {"Jy", "3.333E+06"}}),
        DoubleT("no_flanges", {{"a", "0"}}, {{"A", "2.750E+03"}, {"Jx", "2.773E+06"}, {"Jy", "1.432E+05"}}),
        DoubleT("negative_flange", {{"t1", "-20"}}, {{"A", "7.500E+02"}, {"Jx", "-1.474E+07"}, {"Jy", "-3.086E+06"}},
                true),
        DoubleT("nothing_left", {{"a", "0"}, {"t2", "0"}}, {}), DoubleT("overflowing_cube", {{"a", "1e200"}}, {})),
    FigureName);

}  // namespace
}  // namespace baricor::testing
