#pragma once
// The two ways a field's text becomes a number.
//
// IsNumericText is the strict check run on the field the user has just changed:
// it follows the user's regional separators and refuses anything that is not one
// complete number. ReadNumber is the lenient reading a recalculation applies to
// every input field: the point is always the decimal point, it skips blanks and
// stops at the first character that does not fit, and a text with no leading
// number reads as 0. The two deliberately disagree on some texts.

#include <string>
#include <string_view>

namespace baricor {

// The user's regional notation, as UTF-8 texts (a separator may be more than one
// byte, e.g. a narrow no-break space used for grouping).
struct RegionalSeparators {
    std::string decimal = ".";
    std::string group = ",";
};

// True when `text`, without the blanks, tabs and line feeds at its two ends
// (what the reading skips, and nothing else: "\r50" would read as 0), is one
// complete number in the regional notation: optional sign, digits, optional
// fraction after a decimal mark, optional exponent (E or e, optional sign,
// digits). The decimal marks are the user's decimal separator and, where the
// user groups digits with a point, the point too, since the reading takes it as
// a decimal point; at most one mark, and no group separator, so that an
// accepted text always reads as the number it looks like. At least one mantissa
// digit is needed. A number beyond the range of a double is refused, so that no
// field ever feeds an infinite value into a recalculation; underflow is accepted.
bool IsNumericText(std::string_view text, const RegionalSeparators& separators);

// Lenient, locale-free reading: blanks, tabs and line feeds are skipped wherever
// they stand; optional sign; digits with at most one point; optional exponent
// with E or D in either case (a letter without digits is ignored); &H and &O
// introduce hexadecimal and octal integers. Reading stops at the first character
// that does not fit; no leading number reads as 0. Overflow gives an infinity,
// which the recalculation turns into "no result".
double ReadNumber(std::string_view text);

// The reading a recalculation applies to an input field. Where the user's
// decimal separator is not the point, it also counts as a decimal point, so that
// "1,5" typed in an Italian locale is 1.5 and not 1; the point keeps its meaning.
double ReadInputNumber(std::string_view text, std::string_view decimalSeparator);

}  // namespace baricor
