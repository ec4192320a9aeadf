#include "NumericText.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace baricor {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// What the reading skips, and so all the check may ignore at a text's ends: a
// carriage return or form feed before the digits would make the text read as 0.
bool IsEdgeBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

bool StartsWith(std::string_view text, size_t at, std::string_view prefix) {
    return !prefix.empty() && text.substr(at, prefix.size()) == prefix;
}

// Power of ten just above the leading nonzero digit of an unsigned decimal
// number: 3 for "123.4", 0 for "0.5", -2 for "0.00123e0", 3 for "1.5e2".
// Positive when the number is at least 1. The exponent saturates far beyond the
// range of a double, so any count of exponent digits is safe.
long long DecimalOrder(std::string_view number) {
    long long order = 0;
    bool nonzero = false;
    bool fraction = false;
    size_t i = 0;
    for (; i < number.size() && (IsDigit(number[i]) || number[i] == '.'); ++i) {
        if (number[i] == '.') {
            fraction = true;
        } else if (nonzero || number[i] != '0') {
            nonzero = true;
            if (!fraction) ++order;
        } else if (fraction) {
            --order;
        }
    }
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        ++i;
        const bool negative = i < number.size() && number[i] == '-';
        if (i < number.size() && (number[i] == '-' || number[i] == '+')) ++i;
        long long exponent = 0;
        for (; i < number.size() && IsDigit(number[i]); ++i) {
            if (exponent < 1000000000000LL) exponent = exponent * 10 + (number[i] - '0');
        }
        order += negative ? -exponent : exponent;
    }
    return order;
}

// Conversion of an already cleaned ASCII number ("-12.5e3") that ignores the
// process locale: the toolkit switches LC_NUMERIC to the user's settings, under
// which strtod would stop at the point. A number too large for a double reads
// as an infinity of its sign, one too small even for the least subnormal as a
// zero of its sign.
double ConvertCleanNumber(std::string_view clean) {
    const bool negative = !clean.empty() && clean.front() == '-';
    if (!clean.empty() && (clean.front() == '-' || clean.front() == '+')) clean.remove_prefix(1);
    double magnitude = 0.0;
    // The standard reading neither takes a '+' nor says which way a number
    // left the range: both are settled here.
    if (std::from_chars(clean.data(), clean.data() + clean.size(), magnitude).ec == std::errc::result_out_of_range) {
        magnitude = DecimalOrder(clean) > 0 ? HUGE_VAL : 0.0;
    }
    return negative ? -magnitude : magnitude;
}

std::string_view TrimBlanks(std::string_view text) {
    size_t first = 0;
    size_t last = text.size();
    while (first < last && IsEdgeBlank(text[first])) ++first;
    while (last > first && IsEdgeBlank(text[last - 1])) --last;
    return text.substr(first, last - first);
}

// Value of &H / &O integers; `at` points just past the letter.
double ReadRadixInteger(std::string_view text, size_t at, int radix) {
    double value = 0.0;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        int digit = -1;
        if (IsDigit(c)) digit = c - '0';
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        if (digit < 0 || digit >= radix) break;
        value = value * radix + digit;
    }
    return value;
}

}  // namespace

bool IsNumericText(std::string_view text, const RegionalSeparators& separators) {
    const std::string_view body = TrimBlanks(text);
    // The decimal marks the recalculation's reading takes as such: the user's
    // decimal separator and, where the user groups digits with it, the point,
    // which the reading always takes as a decimal point. No other grouping is
    // accepted: the reading would stop at the group separator, and "1,500"
    // would silently become 1.
    const std::string_view decimal = separators.decimal;
    const std::string_view pointToo = separators.group == "." ? std::string_view(".") : std::string_view();
    auto decimalMarkAt = [&](size_t at) -> size_t {
        if (StartsWith(body, at, decimal)) return decimal.size();
        if (StartsWith(body, at, pointToo)) return pointToo.size();
        return 0;
    };

    std::string clean;  // the same number in plain C notation, for the range test
    size_t i = 0;
    if (i < body.size() && (body[i] == '+' || body[i] == '-')) clean += body[i++];

    size_t mantissaDigits = 0;
    while (i < body.size() && IsDigit(body[i])) {
        clean += body[i++];
        ++mantissaDigits;
    }
    if (const size_t mark = decimalMarkAt(i)) {
        i += mark;
        clean += '.';
        while (i < body.size() && IsDigit(body[i])) {
            clean += body[i++];
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0) return false;

    if (i < body.size() && (body[i] == 'E' || body[i] == 'e')) {
        clean += 'e';
        ++i;
        if (i < body.size() && (body[i] == '+' || body[i] == '-')) clean += body[i++];
        size_t exponentDigits = 0;
        while (i < body.size() && IsDigit(body[i])) {
            clean += body[i++];
            ++exponentDigits;
        }
        if (exponentDigits == 0) return false;
    }
    if (i != body.size()) return false;

    // Every accepted text reads as the number it looks like, so one range
    // test covers the check and the recalculation's reading.
    return std::isfinite(ConvertCleanNumber(clean));
}

double ReadNumber(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') compact += c;
    }

    if (compact.size() >= 2 && compact[0] == '&') {
        const char kind = compact[1];
        if (kind == 'H' || kind == 'h') return ReadRadixInteger(compact, 2, 16);
        if (kind == 'O' || kind == 'o') return ReadRadixInteger(compact, 2, 8);
        return 0.0;
    }

    std::string clean;
    size_t i = 0;
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-')) clean += compact[i++];
    size_t mantissaDigits = 0;
    bool seenPoint = false;
    for (; i < compact.size(); ++i) {
        const char c = compact[i];
        if (IsDigit(c)) {
            clean += c;
            ++mantissaDigits;
        } else if (c == '.' && !seenPoint) {
            clean += c;
            seenPoint = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0) return 0.0;

    if (i < compact.size()) {
        const char c = compact[i];
        if (c == 'E' || c == 'e' || c == 'D' || c == 'd') {
            size_t j = i + 1;
            std::string exponent = "e";
            if (j < compact.size() && (compact[j] == '+' || compact[j] == '-')) exponent += compact[j++];
            size_t exponentDigits = 0;
            while (j < compact.size() && IsDigit(compact[j])) {
                exponent += compact[j++];
                ++exponentDigits;
            }
            if (exponentDigits > 0) clean += exponent;
        }
    }
    return ConvertCleanNumber(clean);
}

double ReadInputNumber(std::string_view text, std::string_view decimalSeparator) {
    if (decimalSeparator.empty() || decimalSeparator == ".") return ReadNumber(text);
    std::string withPoints;
    withPoints.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        if (text.substr(i, decimalSeparator.size()) == decimalSeparator) {
            withPoints += '.';
            i += decimalSeparator.size();
        } else {
            withPoints += text[i++];
        }
    }
    return ReadNumber(withPoints);
}

}  // namespace baricor
