// The rectangular tube's figures.
#include "ShapeFigures.h"

namespace baricor::testing {
namespace {

using Texts = std::vector<std::pair<std::string, std::string>>;

ShapeFigure Tube(std::string name, Texts inputs, Texts expected, bool errore2 = false) {
    return {3, std::move(name), std::move(inputs), std::move(expected), errore2};
}

INSTANTIATE_TEST_SUITE_P(
    RectangularTubeSection, ShapeFigures,
    ::testing::Values(
        // Jx0 is exactly 23125000; the display rounds the halfway 2.3125 up.
        Tube("defaults", {},
             {{"Sx", "0.000E+00"}, {"Sy", "0.000E+00"}, {"Jx", "2.313E+07"}, {"Jy", "1.070E+07"}, {"Jxy", "0.000E+00"},
              {"A", "9.000E+03"}}),
        Tube("translated_rotated30", {{"Dx", "10"}, {"Dy", "20"}, {"θ", "30"}},
             {{"Sx", "-1.109E+05"}, {"Sy", "-1.679E+05"}, {"Jx", "2.138E+07"}, {"Jy", "1.694E+07"},
              {"Jxy", "7.449E+06"}, {"A", "9.000E+03"}}),
        Tube("theta90", {{"θ", "90"}}, {{"Jx", "1.070E+07"}, {"Jy", "2.312E+07"}, {"Jxy", "0.000E+00"}}),
        Tube("walls_fill_the_section", {{"t1", "75"}, {"t2", "50"}},
             {{"A", "1.500E+04"}, {"Jx", "2.813E+07"}, {"Jy", "1.250E+07"}}),
        Tube("walls_thicker_than_half_no_error", {{"t1", "100"}},
             {{"A", "1.800E+04"}, {"Jx", "2.875E+07"}, {"Jy", "1.340E+07"}}),
        Tube("negative_side_wall", {{"t2", "-20"}},
             {{"A", "1.000E+03"}, {"Jx", "1.646E+07"}, {"Jy", "-1.037E+07"}}, true),
        Tube("negative_width", {{"a", "-100"}}, {{"A", "-1.000E+03"}, {"Jx", "-1.646E+07"}, {"Jy", "1.037E+07"}}, true),
        Tube("no_walls", {{"t1", "0"}, {"t2", "0"}}, {}), Tube("overflowing_cube", {{"b", "1e200"}}, {})),
    FigureName);

}  // namespace
}  // namespace baricor::testing
