#pragma once
// How a result becomes the text of its field.

#include <array>
#include <string>
#include <string_view>

namespace baricor {

// The five display patterns of the section results, 2 to 6 significant digits:
// the digit menu offers them in this order.
inline constexpr std::array<std::string_view, 5> kResultFormats = {
    "0.0E+00", "0.00E+00", "0.000E+00", "0.0000E+00", "0.00000E+00"};
// The pattern every section window starts with (4 significant digits), and
// the one the main window sets each time it loads.
inline constexpr size_t kDefaultResultFormatIndex = 2;
inline constexpr std::string_view kDefaultResultFormat = kResultFormats[kDefaultResultFormatIndex];
// The fixed pattern of the centroid coordinates xG and yG; the digit menu never
// changes it.
inline constexpr std::string_view CentroidFormat = "0.00";

// Formats `value` with `pattern` ("0.000E+00"-like or "0.00"-like), writing
// `decimalSeparator` for the decimal mark. The value is first rounded to 15
// significant decimal digits, then that decimal text is rounded half away from
// zero to the digits the pattern shows: rounding twice in binary would turn
// 28124999.999999996 into 2.812E+07 instead of 2.813E+07. Zero of either sign
// shows without a sign. A value that is not finite has no text: the result is
// empty (a recalculation never gets that far with one).
std::string FormatValue(double value, std::string_view pattern, std::string_view decimalSeparator);

}  // namespace baricor
