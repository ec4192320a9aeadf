#pragma once
// Table-driven figures for the section shapes: inputs by their labels, expected
// texts by the labels of the result fields.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "Section.h"
#include "SectionInputs.h"

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

// A section's input texts: its built-in dimensions and axes at G, with the texts
// `overrides` gives by label (a dimension's name, "Dx", "Dy" or "θ").
SectionTexts InputTexts(const SectionShape& shape, const std::vector<std::pair<std::string, std::string>>& overrides);
// True when `label` names one of the section's inputs.
bool HasInput(const SectionShape& shape, const std::string& label);

}  // namespace baricor::testing
