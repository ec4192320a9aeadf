#pragma once
// What the fuzz targets share: the regional notations they try, and how a
// broken rule stops the run with the input that broke it.

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "NumericText.h"

namespace baricor::fuzz {

// Notations met on real desktops, chosen by one input byte: point and comma
// decimals, blanks and no-break spaces for grouping, the two-byte Arabic
// separators, and a degenerate locale whose two separators are the same.
inline const RegionalSeparators kNotations[] = {
    {".", ","},
    {",", "."},
    {",", "\xC2\xA0"},      // no-break space
    {",", "\xE2\x80\xAF"},  // narrow no-break space
    {"\xD9\xAB", "\xD9\xAC"},
    {".", "'"},
    {",", " "},
    {".", "."},
};
inline constexpr size_t kNotationCount = sizeof kNotations / sizeof kNotations[0];

inline const RegionalSeparators& NotationOf(unsigned char selector) { return kNotations[selector % kNotationCount]; }

// A broken rule: say which, show the text in hex (it may hold any byte), and
// abort so that libFuzzer keeps the input.
[[noreturn]] inline void Broken(const char* rule, std::string_view text) {
    std::fprintf(stderr, "\nBROKEN RULE: %s\ntext (%zu bytes):", rule, text.size());
    for (size_t i = 0; i < text.size() && i < 256; ++i) std::fprintf(stderr, " %02x", static_cast<unsigned char>(text[i]));
    std::fprintf(stderr, "%s\n", text.size() > 256 ? " ..." : "");
    std::abort();
}

inline void Require(bool holds, const char* rule, std::string_view text) {
    if (!holds) Broken(rule, text);
}

}  // namespace baricor::fuzz
