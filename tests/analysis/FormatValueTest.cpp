#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ResultFormat.h"

using baricor::CentroidFormat;
using baricor::FormatValue;

namespace {

struct FormatCase {
    double value;
    const char* pattern;
    const char* decimal;
    const char* text;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.text; }

class Formatting : public ::testing::TestWithParam<FormatCase> {};

TEST_P(Formatting, GivesTheFieldText) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatValue(c.value, c.pattern, c.decimal), c.text) << c.value << " with " << c.pattern;
}

INSTANTIATE_TEST_SUITE_P(
    Scientific, Formatting,
    ::testing::Values(
        FormatCase{15000, "0.000E+00", ".", "1.500E+04"},
        // Rounding twice in binary would give 2.812E+07 here.
        FormatCase{28124999.999999996, "0.000E+00", ".", "2.813E+07"},
        FormatCase{28124999.9999983, "0.000E+00", ".", "2.812E+07"},
        FormatCase{-300000, "0.000E+00", ".", "-3.000E+05"},
        FormatCase{0.000012345, "0.000E+00", ".", "1.235E-05"},
        FormatCase{99995, "0.000E+00", ".", "1.000E+05"},
        FormatCase{0.00099996, "0.000E+00", ".", "1.000E-03"},
        FormatCase{15000, "0.000E+00", ",", "1,500E+04"},
        FormatCase{0, "0.00000E+00", ".", "0.00000E+00"},
        FormatCase{-0.0, "0.000E+00", ".", "0.000E+00"},
        FormatCase{0, "0.0E+00", ".", "0.0E+00"},
        FormatCase{1234.5, "0.0E+00", ".", "1.2E+03"},
        FormatCase{1234.5, "0.00E+00", ".", "1.23E+03"},
        FormatCase{1234.5, "0.000E+00", ".", "1.235E+03"},
        FormatCase{1234.5, "0.0000E+00", ".", "1.2345E+03"},
        FormatCase{1234.5, "0.00000E+00", ".", "1.23450E+03"},
        FormatCase{-1234.5, "0.000E+00", ".", "-1.235E+03"},
        FormatCase{9.9999999, "0.0E+00", ".", "1.0E+01"},
        FormatCase{1e100, "0.000E+00", ".", "1.000E+100"},
        FormatCase{2.5e-300, "0.000E+00", ".", "2.500E-300"},
        FormatCase{std::numeric_limits<double>::denorm_min(), "0.000E+00", ".", "4.941E-324"},
        FormatCase{std::numeric_limits<double>::max(), "0.00000E+00", ".", "1.79769E+308"},
        FormatCase{1, "0.000E+00", ".", "1.000E+00"}));

INSTANTIATE_TEST_SUITE_P(
    Centroid, Formatting,
    ::testing::Values(FormatCase{20.6818, "0.00", ".", "20.68"}, FormatCase{29.166666666666668, "0.00", ".", "29.17"},
                      FormatCase{54.166666666666664, "0.00", ",", "54,17"}, FormatCase{-187.5, "0.00", ".", "-187.50"},
                      FormatCase{0.005, "0.00", ".", "0.01"}, FormatCase{0.0049, "0.00", ".", "0.00"},
                      FormatCase{99.995, "0.00", ".", "100.00"}, FormatCase{0, "0.00", ".", "0.00"},
                      FormatCase{-0.0, "0.00", ".", "0.00"}, FormatCase{1e-300, "0.00", ".", "0.00"},
                      FormatCase{262.5, "0.00", ".", "262.50"}, FormatCase{1e20, "0.00", ".", "100000000000000000000.00"},
                      // 2.675 is stored a hair below the tie; the 15-digit step restores it.
                      FormatCase{2.675, "0.00", ".", "2.68"}));

TEST(Formatting, NonFiniteValuesHaveNoText) {
    EXPECT_EQ(FormatValue(std::numeric_limits<double>::infinity(), "0.000E+00", "."), "");
    EXPECT_EQ(FormatValue(std::nan(""), CentroidFormat, "."), "");
}

}  // namespace
