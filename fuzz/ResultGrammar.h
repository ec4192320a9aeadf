#pragma once
// The shape every result text must have, checked character by character so
// that a text out of FormatValue, a recalculation or a window's result field can
// be judged without trusting the formatter that wrote it.
//
//   scientific "0.000E+00": ["-"] digit separator n-digits "E" ("+"|"-") 2+ digits,
//                           the leading digit 1-9 unless the whole mantissa is 0
//   fixed      "0.00":      ["-"] 1+ digits separator 2 digits
//
// n is the number of zeros after the pattern's point. Nothing else is allowed:
// no blanks, no grouping, no "inf" or "nan", no empty mantissa.

#include <cstddef>
#include <string>
#include <string_view>

namespace baricor::grammar {

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

inline size_t DecimalsOf(std::string_view pattern) {
    const size_t point = pattern.find('.');
    if (point == std::string_view::npos) return 0;
    size_t n = 0;
    while (point + 1 + n < pattern.size() && pattern[point + 1 + n] == '0') ++n;
    return n;
}

inline bool IsScientific(std::string_view pattern) { return pattern.find('E') != std::string_view::npos; }

// Consumes `count` digits (or at least `count` when `atLeast`) from `text` at `at`.
inline bool TakeDigits(std::string_view text, size_t& at, size_t count, bool atLeast) {
    size_t taken = 0;
    while (at < text.size() && IsDigit(text[at]) && (atLeast || taken < count)) {
        ++at;
        ++taken;
    }
    return atLeast ? taken >= count : taken == count;
}

inline bool TakeText(std::string_view text, size_t& at, std::string_view expected) {
    if (text.substr(at, expected.size()) != expected) return false;
    at += expected.size();
    return true;
}

inline bool MatchesPattern(std::string_view text, std::string_view pattern, std::string_view decimalSeparator) {
    const size_t decimals = DecimalsOf(pattern);
    size_t at = 0;
    if (at < text.size() && text[at] == '-') ++at;
    if (IsScientific(pattern)) {
        const size_t mantissaStart = at;
        if (!TakeDigits(text, at, 1, false)) return false;
        if (decimals > 0 && !(TakeText(text, at, decimalSeparator) && TakeDigits(text, at, decimals, false)))
            return false;
        const std::string_view mantissa = text.substr(mantissaStart, at - mantissaStart);
        const bool allZero = mantissa.find_first_not_of(std::string("0").append(decimalSeparator)) ==
                             std::string_view::npos;
        if (mantissa[0] == '0' && !allZero) return false;
        if (allZero && text[0] == '-') return false;  // zero shows without a sign
        if (!TakeText(text, at, "E")) return false;
        if (at >= text.size() || (text[at] != '+' && text[at] != '-')) return false;
        ++at;
        if (!TakeDigits(text, at, 2, true)) return false;
    } else {
        if (!TakeDigits(text, at, 1, true)) return false;
        if (decimals > 0 && !(TakeText(text, at, decimalSeparator) && TakeDigits(text, at, decimals, false)))
            return false;
    }
    return at == text.size();
}

}  // namespace baricor::grammar
