#include "ResultFormat.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace baricor {
namespace {

// |value| as decimal digits d0 d1 ... with value = d0.d1d2... x 10^exponent.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
};

// The magnitude rounded to nearest with 15 significant digits.
DecimalDigits FifteenDigits(double magnitude) {
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
    DecimalDigits result;
    const char* p = buffer;
    for (; p < written.ptr && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9') result.digits += *p;
    }
    if (p < written.ptr) result.exponent = std::atoi(std::string(p + 1, static_cast<const char*>(written.ptr)).c_str());
    return result;
}

// Keeps the first `keep` digits, rounding half away from zero on the decimal
// text; a carry out of the first digit moves the exponent up. keep <= 0 means
// every kept digit lies left of d0.
DecimalDigits RoundToDigits(DecimalDigits number, int keep) {
    if (keep >= static_cast<int>(number.digits.size())) return number;
    if (keep < 0) return {"0", number.exponent};
    const bool roundUp = number.digits[keep] >= '5';
    number.digits.resize(keep);
    if (roundUp) {
        int i = keep - 1;
        while (i >= 0 && number.digits[i] == '9') number.digits[i--] = '0';
        if (i >= 0) {
            ++number.digits[i];
        } else {
            number.digits.insert(number.digits.begin(), '1');
            ++number.exponent;
        }
    }
    if (number.digits.empty()) number.digits = "0";
    return number;
}

struct Pattern {
    int decimals = 0;
    bool scientific = false;
};

Pattern ParsePattern(std::string_view pattern) {
    Pattern parsed;
    const size_t point = pattern.find('.');
    if (point != std::string_view::npos) {
        for (size_t i = point + 1; i < pattern.size() && pattern[i] == '0'; ++i) ++parsed.decimals;
    }
    parsed.scientific = pattern.find('E') != std::string_view::npos;
    return parsed;
}

std::string FormatScientific(double value, int decimals, std::string_view decimalSeparator) {
    std::string mantissa;
    int exponent = 0;
    if (value == 0.0) {
        mantissa.assign(decimals + 1, '0');
    } else {
        const DecimalDigits rounded = RoundToDigits(FifteenDigits(std::fabs(value)), decimals + 1);
        mantissa = rounded.digits;
        mantissa.resize(decimals + 1, '0');
        exponent = rounded.exponent;
    }
    std::string text;
    if (value < 0.0) text += '-';
    text += mantissa[0];
    if (decimals > 0) {
        text += decimalSeparator;
        text.append(mantissa, 1, std::string::npos);
    }
    text += 'E';
    text += exponent < 0 ? '-' : '+';
    const std::string exponentDigits = std::to_string(std::abs(exponent));
    if (exponentDigits.size() < 2) text += '0';
    text += exponentDigits;
    return text;
}

std::string FormatFixed(double value, int decimals, std::string_view decimalSeparator) {
    std::string integerPart = "0";
    std::string fraction(decimals, '0');
    if (value != 0.0) {
        const DecimalDigits fifteen = FifteenDigits(std::fabs(value));
        const DecimalDigits rounded = RoundToDigits(fifteen, fifteen.exponent + 1 + decimals);
        // Lay the kept digits out around the decimal mark.
        const int integerDigits = rounded.exponent + 1;
        std::string all = rounded.digits;
        if (integerDigits <= 0) {
            all.insert(0, static_cast<size_t>(-integerDigits) + 1, '0');
        }
        const int pointAt = integerDigits <= 0 ? 1 : integerDigits;
        if (static_cast<int>(all.size()) < pointAt + decimals) all.resize(pointAt + decimals, '0');
        integerPart = all.substr(0, pointAt);
        fraction = all.substr(pointAt, decimals);
        const size_t firstNonZero = integerPart.find_first_not_of('0');
        integerPart = firstNonZero == std::string::npos ? "0" : integerPart.substr(firstNonZero);
    }
    std::string text;
    if (value < 0.0) text += '-';
    text += integerPart;
    if (decimals > 0) {
        text += decimalSeparator;
        text += fraction;
    }
    return text;
}

}  // namespace

std::string FormatValue(double value, std::string_view pattern, std::string_view decimalSeparator) {
    if (!std::isfinite(value)) return std::string();
    const Pattern parsed = ParsePattern(pattern);
    return parsed.scientific ? FormatScientific(value, parsed.decimals, decimalSeparator)
                             : FormatFixed(value, parsed.decimals, decimalSeparator);
}

}  // namespace baricor
