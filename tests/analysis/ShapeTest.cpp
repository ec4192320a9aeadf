#include <gtest/gtest.h>

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

std::vector<std::string> InputTexts(const ShapeUnit& shape,
                                    const std::vector<std::pair<std::string, std::string>>& overrides) {
    std::vector<std::string> texts;
    for (const InputField& field : shape.inputs) {
        std::string text = field.defaultText;
        for (const auto& [label, value] : overrides) {
            if (label == field.row.label) text = value;
        }
        texts.push_back(text);
    }
    return texts;
}

TEST_P(ShapeFigures, ShowsTheseTexts) {
    const ShapeFigure& f = GetParam();
    const ShapeUnit* shape = ShapeByNumber(f.shape);
    ASSERT_NE(shape, nullptr);
    for (const auto& [label, text] : f.inputs) {
        bool known = false;
        for (const InputField& field : shape->inputs) known = known || field.row.label == label;
        ASSERT_TRUE(known) << "no input labelled " << label;
    }

    const RecalcOutcome outcome = Recalculate(*shape, InputTexts(*shape, f.inputs), f.decimal, f.pattern);
    if (f.expected.empty()) {
        EXPECT_FALSE(outcome.hasResult);
        return;
    }
    ASSERT_TRUE(outcome.hasResult);
    ASSERT_EQ(outcome.texts.size(), shape->results.size());
    for (const auto& [label, text] : f.expected) {
        bool found = false;
        for (size_t i = 0; i < shape->results.size(); ++i) {
            if (shape->results[i].row.label == label) {
                EXPECT_EQ(outcome.texts[i], text) << label;
                found = true;
            }
        }
        EXPECT_TRUE(found) << "no result labelled " << label;
    }
    EXPECT_EQ(outcome.showsErrore2, f.errore2);
}

// A window's load-time texts come from built-in constants; they must be exactly
// what the first edit that leaves the defaults would show, in every pattern.
TEST(LoadTexts, EqualTheRecalculationOfTheDefaultsInEveryPattern) {
    for (const ShapeUnit* shape : AllShapes()) {
        std::vector<std::string> defaults;
        for (const InputField& field : shape->inputs) defaults.push_back(field.defaultText);
        for (std::string_view pattern : kResultFormats) {
            for (std::string_view decimal : {".", ","}) {
                const RecalcOutcome loaded = LoadResults(*shape, decimal, pattern);
                const RecalcOutcome recalculated = Recalculate(*shape, defaults, decimal, pattern);
                ASSERT_TRUE(loaded.hasResult) << shape->window;
                EXPECT_EQ(loaded.texts, recalculated.texts) << shape->window << " " << pattern;
                EXPECT_FALSE(recalculated.showsErrore2) << shape->window;
            }
        }
    }
}

// Every table must give the generic window what it needs to lay itself out.
TEST(ShapeTables, AreCompleteAndConsistent) {
    for (const ShapeUnit* shape : AllShapes()) {
        SCOPED_TRACE(shape->window);
        EXPECT_EQ(shape->window, "Trave" + std::to_string(shape->number));
        EXPECT_EQ(shape->caption.rfind(shape->window + " - ", 0), 0u);
        size_t dimensions = 0;
        for (const InputField& f : shape->inputs) dimensions += f.role == InputRole::Dimension;
        EXPECT_EQ(dimensions, shape->loadDimensions.size());
        EXPECT_EQ(shape->inputs.size(), dimensions + 3);
        EXPECT_TRUE(shape->formulas && shape->drawable && shape->extremeFibres && shape->outline);
        ASSERT_GE(shape->results.size(), 6u);
        const Quantity order[] = {Quantity::Sx, Quantity::Sy, Quantity::Jx, Quantity::Jy, Quantity::Jxy, Quantity::A};
        for (size_t i = 0; i < 6; ++i) EXPECT_EQ(shape->results[i].quantity, order[i]);
        std::vector<std::string> names;
        for (const InputField& f : shape->inputs) names.push_back(f.row.control);
        for (const ResultField& r : shape->results) names.push_back(r.row.control);
        std::sort(names.begin(), names.end());
        EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end()) << "a control name twice";
    }
}

}  // namespace baricor::testing
