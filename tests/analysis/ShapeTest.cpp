#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "Recalculate.h"
#include "ResultFormat.h"
#include "ShapeFigures.h"
#include "Shapes.h"

namespace baricor::testing {

std::string FigureName(const ::testing::TestParamInfo<ShapeFigure>& info) {
    std::string name;
    for (char c : info.param.name) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

SectionTexts InputTexts(const SectionShape& shape, const std::vector<std::pair<std::string, std::string>>& overrides) {
    const auto text = [&overrides](const std::string& label, std::string text) {
        for (const auto& [name, value] : overrides) {
            if (name == label) text = value;
        }
        return text;
    };
    SectionTexts texts;
    for (size_t i = 0; i < shape.dimensionNames.size(); ++i) {
        std::ostringstream builtIn;
        builtIn << shape.loadDimensions.at(i);
        texts.dimensions.push_back(text(shape.dimensionNames[i], builtIn.str()));
    }
    texts.dx = text("Dx", "0");
    texts.dy = text("Dy", "0");
    texts.theta = text("θ", "0");
    return texts;
}

bool HasInput(const SectionShape& shape, const std::string& label) {
    const std::vector<std::string>& names = shape.dimensionNames;
    return label == "Dx" || label == "Dy" || label == "θ" || std::find(names.begin(), names.end(), label) != names.end();
}

TEST_P(ShapeFigures, ShowsTheseTexts) {
    const ShapeFigure& f = GetParam();
    const SectionShape* shape = ShapeByNumber(f.shape);
    ASSERT_NE(shape, nullptr);
    for (const auto& [label, text] : f.inputs) ASSERT_TRUE(HasInput(*shape, label)) << "no input labelled " << label;

    const RecalcOutcome outcome = Recalculate(*shape, InputTexts(*shape, f.inputs), f.decimal, f.pattern);
    if (f.expected.empty()) {
        EXPECT_FALSE(outcome.hasResult);
        return;
    }
    ASSERT_TRUE(outcome.hasResult);
    ASSERT_EQ(outcome.texts.size(), ResultQuantities(*shape).size());
    for (const auto& [label, text] : f.expected) {
        bool found = false;
        for (const ResultText& result : outcome.texts) {
            if (QuantitySymbol(result.quantity) == label) {
                EXPECT_EQ(result.text, text) << label;
                found = true;
            }
        }
        EXPECT_TRUE(found) << "no result labelled " << label;
    }
    EXPECT_EQ(outcome.showsErrore2, f.errore2);
}

// A section's load-time texts come from built-in constants; they must be exactly
// what the first edit that leaves the defaults would show, in every pattern.
TEST(LoadTexts, EqualTheRecalculationOfTheDefaultsInEveryPattern) {
    for (const SectionShape* shape : AllShapes()) {
        const SectionTexts defaults = InputTexts(*shape, {});
        const std::string name = shape->dimensionNames.front();
        for (std::string_view pattern : kResultFormats) {
            for (std::string_view decimal : {".", ","}) {
                const RecalcOutcome loaded = LoadResults(*shape, decimal, pattern);
                const RecalcOutcome recalculated = Recalculate(*shape, defaults, decimal, pattern);
                ASSERT_TRUE(loaded.hasResult) << name;
                ASSERT_EQ(loaded.texts.size(), recalculated.texts.size()) << name;
                for (size_t i = 0; i < loaded.texts.size(); ++i) {
                    EXPECT_EQ(loaded.texts[i].quantity, recalculated.texts[i].quantity);
                    EXPECT_EQ(loaded.texts[i].text, recalculated.texts[i].text) << name << " " << pattern;
                }
                EXPECT_FALSE(recalculated.showsErrore2) << name;
            }
        }
    }
}

// Every shape must give the generic recalculation and the derived properties
// what they need; its window table is checked with the windows.
TEST(ShapeTables, AreCompleteAndConsistent) {
    for (const SectionShape* shape : AllShapes()) {
        EXPECT_EQ(shape->dimensionNames.size(), shape->loadDimensions.size());
        EXPECT_TRUE(shape->formulas && shape->drawable && shape->extremeFibres && shape->outline);
    }
}

}  // namespace baricor::testing
