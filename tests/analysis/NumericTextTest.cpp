#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "NumericText.h"

using baricor::IsNumericText;
using baricor::ReadInputNumber;
using baricor::ReadNumber;
using baricor::RegionalSeparators;

namespace {

const RegionalSeparators kPointLocale{".", ","};
const RegionalSeparators kCommaLocale{",", "."};

struct CheckCase {
    const char* text;
    bool pointLocale;  // verdict with "." decimal, "," group
    bool commaLocale;  // verdict with "," decimal, "." group
};

void PrintTo(const CheckCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class NumericCheck : public ::testing::TestWithParam<CheckCase> {};

TEST_P(NumericCheck, FollowsRegionalNotation) {
    const CheckCase& c = GetParam();
    EXPECT_EQ(IsNumericText(c.text, kPointLocale), c.pointLocale) << '"' << c.text << '"';
    EXPECT_EQ(IsNumericText(c.text, kCommaLocale), c.commaLocale) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumericCheck,
    ::testing::Values(
        // Empty, blank and lone symbols are never numbers.
        CheckCase{"", false, false}, CheckCase{"   ", false, false}, CheckCase{"+", false, false},
        CheckCase{"-", false, false}, CheckCase{".", false, false}, CheckCase{",", false, false},
        CheckCase{"12abc", false, false}, CheckCase{"abc", false, false},
        // Blanks count only at the two ends.
        CheckCase{" 12 ", true, true}, CheckCase{"\t12\n", true, true}, CheckCase{"1 2", false, false},
        // Only what the reading skips: "\r\n50" would read as 0.
        CheckCase{"\r\n50", false, false}, CheckCase{"\f50", false, false}, CheckCase{"50\r", false, false},
        CheckCase{"+5", true, true}, CheckCase{"-7.25", true, true}, CheckCase{"1e3", true, true},
        CheckCase{"2.5E-1", true, true},
        // An accepted text reads as the number it looks like: a group separator
        // is refused, except the point where it groups, which the reading takes
        // as a decimal point; two decimal marks are refused.
        CheckCase{"1,5", false, true}, CheckCase{"1.5", true, true}, CheckCase{"1,500", false, true},
        CheckCase{"1.500.000", false, false}, CheckCase{"1.500,5", false, false}, CheckCase{"1,000.5", false, false},
        CheckCase{"1.2.3", false, false}, CheckCase{"1,2,3", false, false}, CheckCase{"1,,5", false, false},
        // Open choices: a bare fraction or a trailing mark is a number.
        CheckCase{".5", true, true}, CheckCase{"-.5", true, true}, CheckCase{",5", false, true},
        CheckCase{"5.", true, true}, CheckCase{"5,", false, true},
        CheckCase{"1e", false, false}, CheckCase{"1e+", false, false}, CheckCase{"e5", false, false},
        CheckCase{"1e5.5", false, false},
        // Forms only the lenient reading knows.
        CheckCase{"1d3", false, false}, CheckCase{"&H10", false, false}, CheckCase{"12-", false, false},
        // Beyond the double range is refused; underflow reads as zero.
        CheckCase{"1e400", false, false}, CheckCase{"-1e309", false, false}, CheckCase{"1e-400", true, true},
        CheckCase{"1.7976931348623157e308", true, true}));

struct ReadCase {
    const char* text;
    double value;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class LenientReading : public ::testing::TestWithParam<ReadCase> {};

TEST_P(LenientReading, ReadsLeadingNumber) {
    const ReadCase& c = GetParam();
    EXPECT_EQ(ReadNumber(c.text), c.value) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LenientReading,
    ::testing::Values(ReadCase{" 12 ", 12}, ReadCase{"+5", 5}, ReadCase{"-7.25", -7.25}, ReadCase{"1e3", 1000},
                      ReadCase{"2.5E-1", 0.25}, ReadCase{"1 500", 1500}, ReadCase{"1\t5\n0", 150},
                      ReadCase{"- 5", -5}, ReadCase{"1,5", 1}, ReadCase{"1.2.3", 1.2}, ReadCase{"12abc", 12},
                      ReadCase{"", 0}, ReadCase{"abc", 0}, ReadCase{"-", 0}, ReadCase{".", 0}, ReadCase{".5", 0.5},
                      ReadCase{"1d2", 100}, ReadCase{"1D-2", 0.01}, ReadCase{"1e", 1}, ReadCase{"1e+", 1},
                      ReadCase{"&H1F", 31}, ReadCase{"&o17", 15}, ReadCase{"&X1", 0}, ReadCase{"1e-400", 0},
                      ReadCase{"$5", 0}, ReadCase{"(5)", 0}));

TEST(LenientReading, OverflowReadsAsInfinityForTheRecalculationToRefuse) {
    EXPECT_TRUE(std::isinf(ReadNumber("1e400")));
}

// Beyond the range of a double a text reads as an infinity or a zero of its
// sign; which one depends on the whole number, not on the exponent's sign.
TEST(LenientReading, OutOfRangeKeepsItsDirectionAndSign) {
    const std::string zeros(400, '0');
    const struct {
        std::string text;
        double value;
    } cases[] = {
        {"-1e400", -HUGE_VAL},
        {"-1e-400", -0.0},
        {"1" + zeros + "e-5", HUGE_VAL},
        {"0." + zeros + "1e5", 0.0},
        {"+1e99999999999999999999", HUGE_VAL},
        {"1e-99999999999999999999", 0.0},
        {"5e-324", 4.9406564584124654e-324},
        {"2e-324", 0.0},
    };
    for (const auto& c : cases) {
        const double value = ReadNumber(c.text);
        EXPECT_EQ(value, c.value) << c.text.substr(0, 12);
        EXPECT_EQ(std::signbit(value), std::signbit(c.value)) << c.text.substr(0, 12);
    }
}

struct InputCase {
    const char* text;
    const char* decimal;
    double value;
};

void PrintTo(const InputCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class InputReading : public ::testing::TestWithParam<InputCase> {};

// An Italian user typing 1,5 means one and a half; the point keeps working.
TEST_P(InputReading, AcceptsTheUsersDecimalSeparator) {
    const InputCase& c = GetParam();
    EXPECT_EQ(ReadInputNumber(c.text, c.decimal), c.value) << '"' << c.text << "\" with " << c.decimal;
}

INSTANTIATE_TEST_SUITE_P(Locales, InputReading,
                         ::testing::Values(InputCase{"1,5", ",", 1.5}, InputCase{"1.5", ",", 1.5},
                                           InputCase{"-0,25e2", ",", -25}, InputCase{"1.000,5", ",", 1},
                                           InputCase{"1,5", ".", 1}, InputCase{"1.5", ".", 1.5},
                                           InputCase{"2\xd9\xab" "5", "\xd9\xab", 2.5}));

// Grouped digits once passed the check and were read as far as the first group
// separator: a 1 and 400 zeros grouped, then ",5e-300", is 1e101 as written but
// read as 1e400. Both forms are refused now.
TEST(NumericCheck, RefusesWhatTheRecalculationWouldReadAsInfinite) {
    const std::string zeros(400, '0');
    const std::string pointGrouped = "1" + zeros + ",5e-300";
    const std::string commaGrouped = "1" + zeros + ".0.0e-300";
    EXPECT_FALSE(IsNumericText(pointGrouped, kPointLocale));
    EXPECT_FALSE(IsNumericText(commaGrouped, kCommaLocale));
    EXPECT_TRUE(IsNumericText("1" + zeros + "e-300", kPointLocale));  // reads as 1e100 either way
}

// Other ways of grouping digits are never a decimal mark to the reading.
TEST(NumericCheck, RefusesEveryOtherGroupSeparator) {
    EXPECT_FALSE(IsNumericText("1\xc2\xa0" "500", RegionalSeparators{",", "\xc2\xa0"}));
    EXPECT_FALSE(IsNumericText("1\xe2\x80\xaf" "500,5", RegionalSeparators{",", "\xe2\x80\xaf"}));
    EXPECT_FALSE(IsNumericText("1'500", RegionalSeparators{".", "'"}));
    EXPECT_FALSE(IsNumericText("1 500", RegionalSeparators{",", " "}));
    EXPECT_FALSE(IsNumericText("1.5", RegionalSeparators{",", " "}));  // the point is no mark where it does not group
    EXPECT_TRUE(IsNumericText("1\xd9\xab" "5", RegionalSeparators{"\xd9\xab", "\xd9\xac"}));
    EXPECT_FALSE(IsNumericText("1\xd9\xac" "500", RegionalSeparators{"\xd9\xab", "\xd9\xac"}));
}

}  // namespace
