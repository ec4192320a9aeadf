// Arbitrary input texts through every shape's recalculation.
// Input: a byte choosing the shape ('1' is Trave1), a byte choosing the result
// pattern ('4' is the default four digits), a byte choosing the regional
// notation ('0' point, '1' comma, '4' Arabic; see FuzzSupport.h), then the
// input texts in field order, separated by '|'.
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "Recalculate.h"
#include "ResultFormat.h"
#include "ResultGrammar.h"
#include "Shapes.h"

using namespace baricor;
using baricor::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    const std::vector<const ShapeUnit*>& shapes = AllShapes();
    const ShapeUnit& shape = *shapes[static_cast<uint8_t>(data[0] - '1') % shapes.size()];
    const std::string_view pattern = kResultFormats[static_cast<uint8_t>(data[1] - '2') % kResultFormats.size()];
    const std::string_view separator = fuzz::NotationOf(data[2]).decimal;

    std::vector<std::string> inputs(1);
    for (size_t i = 3; i < size; ++i) {
        if (data[i] == '|')
            inputs.emplace_back();
        else
            inputs.back() += static_cast<char>(data[i]);
    }
    const std::string all(reinterpret_cast<const char*>(data), size);

    const RecalcOutcome outcome = Recalculate(shape, inputs, separator, pattern);
    if (!outcome.hasResult) {
        Require(outcome.texts.empty() && !outcome.showsErrore2, "no result writes nothing and says nothing", all);
        return 0;
    }
    Require(outcome.texts.size() == shape.results.size(), "one text per result field", all);
    for (size_t i = 0; i < outcome.texts.size(); ++i) {
        const Quantity q = shape.results[i].quantity;
        const bool centroid = q == Quantity::xG || q == Quantity::yG;
        Require(grammar::MatchesPattern(outcome.texts[i], centroid ? CentroidFormat : pattern, separator),
                centroid ? "the centroid follows 0.00" : "the result follows the chosen pattern", outcome.texts[i]);
    }
    return 0;
}
