#pragma once
// A section's computation as a pure function: input texts in, result texts
// out, each keyed by the quantity it shows.

#include <string>
#include <string_view>
#include <vector>

#include "Section.h"
#include "SectionInputs.h"

namespace baricor {

struct ResultText {
    Quantity quantity;
    std::string text;
};

struct RecalcOutcome {
    // False when the inputs give no defined result (a zero area or a zero Jx/Jy
    // divides by zero, or a value left the double range): every result is then
    // blank and no message comes up.
    bool hasResult = false;
    // One text per ResultQuantities(shape), in that order; none without a result.
    std::vector<ResultText> texts;
    // The shape's validity test failed: Errore2 comes up after the texts are written.
    bool showsErrore2 = false;

    // The text of `quantity`, empty where there is none.
    std::string TextOf(Quantity quantity) const;
};

// Reads every input text, computes and formats. `decimalSeparator` is the
// user's; the section results use `resultFormat`, the centroid coordinates
// CentroidFormat.
RecalcOutcome Recalculate(const SectionShape& shape, const SectionTexts& texts, std::string_view decimalSeparator,
                          std::string_view resultFormat);

// The texts a new section shows: the shape's formulas on its built-in
// dimensions, zero static moments and the centroidal moments as they are, with
// no transform, clean-up or validity test.
RecalcOutcome LoadResults(const SectionShape& shape, std::string_view decimalSeparator,
                          std::string_view resultFormat);

}  // namespace baricor
