// Arbitrary doubles through the six display patterns.
// Input: a byte choosing the pattern, a byte choosing the decimal separator,
// then the eight bytes of the double (missing bytes are zero).
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "FuzzSupport.h"
#include "ResultFormat.h"
#include "ResultGrammar.h"

using namespace baricor;
using baricor::fuzz::Require;

namespace {

const std::string_view kPatterns[] = {kResultFormats[0], kResultFormats[1], kResultFormats[2],
                                      kResultFormats[3], kResultFormats[4], CentroidFormat};

// The number a result text stands for, read back with extended precision.
long double ValueOfText(std::string text, std::string_view separator) {
    const size_t at = text.find(separator);
    if (at != std::string::npos) text.replace(at, separator.size(), ".");
    return std::strtold(text.c_str(), nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const std::string_view pattern = kPatterns[data[0] % 6];
    const std::string_view separator = fuzz::NotationOf(data[1]).decimal;
    unsigned char bytes[sizeof(double)] = {};
    std::memcpy(bytes, data + 2, std::min(size - 2, sizeof bytes));
    double value;
    std::memcpy(&value, bytes, sizeof value);

    const std::string text = FormatValue(value, pattern, separator);
    if (!std::isfinite(value)) {
        Require(text.empty(), "a value that is not finite has no text", text);
        return 0;
    }
    Require(grammar::MatchesPattern(text, pattern, separator), "the text follows its pattern", text);

    // The text is the value to the digits shown: off by at most half a unit of
    // the last digit, plus the 15-digit rounding that comes first.
    const long double shown = ValueOfText(text, separator);
    const long double exact = value;
    long double unit;
    if (grammar::IsScientific(pattern)) {
        const int exponent = std::atoi(text.c_str() + text.find('E') + 1);
        unit = std::pow(10.0L, exponent - static_cast<int>(grammar::DecimalsOf(pattern)));
    } else {
        unit = 0.01L;
    }
    const long double allowed = (unit / 2 + std::fabs(exact) * 5e-15L) * (1 + 1e-12L);
    Require(std::fabs(shown - exact) <= allowed, "the text is the value to the digits shown", text);
    if (text[0] == '-') Require(value < 0, "a minus sign only for a negative value", text);
    if (value < 0 && shown != 0) Require(text[0] == '-', "a negative value shows its sign", text);
    return 0;
}
