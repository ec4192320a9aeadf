#pragma once
// Table-driven figures for the section shapes: inputs by their labels, expected
// texts by the labels of the result fields.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "Section.h"

namespace baricor::testing {

struct ShapeFigure {
    int shape = 0;                   // window number N of TraveN
    std::string name;                // readable test name
    std::vector<std::pair<std::string, std::string>> inputs;    // label -> text; others keep defaults
    std::vector<std::pair<std::string, std::string>> expected;  // label -> text; empty means "no result"
    bool errore2 = false;
    std::string pattern = "0.000E+00";
    std::string decimal = ".";
};

// Test names and failure messages show the figure's name, not its bytes.
inline void PrintTo(const ShapeFigure& figure, std::ostream* os) { *os << figure.name; }

class ShapeFigures : public ::testing::TestWithParam<ShapeFigure> {};

std::string FigureName(const ::testing::TestParamInfo<ShapeFigure>& info);

// A window's input texts: its defaults, with the texts `overrides` gives by label.
std::vector<std::string> InputTexts(const ShapeUnit& shape,
                                    const std::vector<std::pair<std::string, std::string>>& overrides);

}  // namespace baricor::testing
