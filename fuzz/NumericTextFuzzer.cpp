// Arbitrary bytes through the numeric check and the two readings.
// Input: one byte choosing the regional notation ('0' point, '1' comma, '4'
// Arabic; see FuzzSupport.h), then the field's text.
#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <cstring>
#include <string>

#include "FuzzSupport.h"

using namespace baricor;
using baricor::fuzz::Require;

namespace {

bool SameReading(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

// The number an accepted text looks like to its user: the blanks at its ends
// dropped and its decimal mark written as a point, read by the C library.
double LooksLike(const std::string& text, const RegionalSeparators& notation) {
    const size_t first = text.find_first_not_of(" \t\n");
    const size_t last = text.find_last_not_of(" \t\n");
    std::string plain = text.substr(first, last - first + 1);
    for (size_t at = plain.find(notation.decimal); at != std::string::npos; at = plain.find(notation.decimal, at + 1))
        plain.replace(at, notation.decimal.size(), ".");
    char* end = nullptr;
    const double value = std::strtod(plain.c_str(), &end);
    Require(end == plain.c_str() + plain.size(), "an accepted text is one number", text);
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const RegionalSeparators& notation = fuzz::NotationOf(data[0]);
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);

    const double lenient = ReadNumber(text);
    const double input = ReadInputNumber(text, notation.decimal);
    const bool numeric = IsNumericText(text, notation);

    // A text the check lets through is what the recalculation then reads: it
    // must read as the number it looks like, and never as an infinity.
    if (numeric) {
        Require(std::isfinite(input), "numeric text reads as a finite number", text);
        Require(input == LooksLike(text, notation), "numeric text reads as the number it looks like", text);
        if (notation.decimal == ".") Require(std::isfinite(lenient), "numeric text reads finite (point)", text);
    }

    // Blanks at the two ends never change the check; blanks anywhere never
    // change the reading.
    const std::string padded = " \t" + text + "\n ";
    Require(IsNumericText(padded, notation) == numeric, "edge blanks do not change the check", text);
    Require(SameReading(ReadNumber(padded), lenient), "blanks do not change the reading", text);
    return 0;
}
