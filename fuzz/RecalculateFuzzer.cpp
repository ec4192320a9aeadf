// Arbitrary input texts through every shape's recalculation and its derived
// properties.
// Input: a byte choosing the shape ('1' is Trave1), a byte choosing the result
// pattern ('4' is the default four digits), a byte choosing the regional
// notation ('0' point, '1' comma, '4' Arabic; see FuzzSupport.h), then the
// input texts (the dimensions in order, then Dx, Dy and θ), separated by '|'.
#include <cstdint>
#include <string>
#include <vector>

#include "DerivedProperties.h"
#include "FuzzSupport.h"
#include "Recalculate.h"
#include "ResultFormat.h"
#include "ResultGrammar.h"
#include "Shapes.h"

using namespace baricor;
using baricor::fuzz::Require;

namespace {

// Every derived text is well-formed (α in 0.00) or every one is blank, never
// inf or nan; α lies in (-90, 90] but for the shortened pi's 0.0000187 above
// it, J1 is the greater moment, and where the axes are the values do not move.
void CheckDerived(const SectionShape& shape, const SectionTexts& inputs, std::string_view separator,
                  std::string_view pattern, const std::string& all) {
    const DerivedSection derived = DeriveSection(shape, inputs, separator);
    const std::vector<std::string> texts = DerivedTexts(derived, separator, pattern);
    Require(texts.size() == kDerivedFields.size(), "one text per derived field", all);
    for (size_t i = 0; i < texts.size(); ++i) {
        if (!derived.values) {
            Require(texts[i].empty(), "undefined derived values are blank", all);
            continue;
        }
        const bool angle = kDerivedFields[i].quantity == DerivedQuantity::Alpha;
        Require(grammar::MatchesPattern(texts[i], angle ? CentroidFormat : pattern, separator),
                angle ? "alpha follows 0.00" : "a derived value follows the chosen pattern", texts[i]);
    }
    if (derived.values) {
        Require(derived.outline.has_value(), "a section with derived values can be drawn", all);
        Require(derived.values->alpha > -90 && derived.values->alpha < 90.00002, "alpha lies in (-90, 90]", all);
        Require(derived.values->J1 >= derived.values->J2, "J1 is the greater principal moment", all);
    }

    SectionTexts axesAtG = inputs;
    axesAtG.dx = axesAtG.dy = axesAtG.theta = "0";
    Require(DerivedTexts(DeriveSection(shape, axesAtG, separator), separator, pattern) == texts,
            "the derived values do not depend on Dx, Dy or theta", all);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    const std::vector<const SectionShape*>& shapes = AllShapes();
    const SectionShape& shape = *shapes[static_cast<uint8_t>(data[0] - '1') % shapes.size()];
    const std::string_view pattern = kResultFormats[static_cast<uint8_t>(data[1] - '2') % kResultFormats.size()];
    const std::string_view separator = fuzz::NotationOf(data[2]).decimal;

    std::vector<std::string> texts(1);
    for (size_t i = 3; i < size; ++i) {
        if (data[i] == '|')
            texts.emplace_back();
        else
            texts.back() += static_cast<char>(data[i]);
    }
    const SectionTexts inputs = TextsInOrder(shape, texts);
    const std::string all(reinterpret_cast<const char*>(data), size);

    CheckDerived(shape, inputs, separator, pattern, all);

    const RecalcOutcome outcome = Recalculate(shape, inputs, separator, pattern);
    if (!outcome.hasResult) {
        Require(outcome.texts.empty() && !outcome.showsErrore2, "no result writes nothing and says nothing", all);
        return 0;
    }
    const std::vector<Quantity> quantities = ResultQuantities(shape);
    Require(outcome.texts.size() == quantities.size(), "one text per result", all);
    for (size_t i = 0; i < outcome.texts.size(); ++i) {
        const Quantity q = outcome.texts[i].quantity;
        Require(q == quantities[i], "the results in their order", all);
        const bool centroid = q == Quantity::xG || q == Quantity::yG;
        const std::string& text = outcome.texts[i].text;
        Require(grammar::MatchesPattern(text, centroid ? CentroidFormat : pattern, separator),
                centroid ? "the centroid follows 0.00" : "the result follows the chosen pattern", text);
    }
    return 0;
}
