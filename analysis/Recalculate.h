#pragma once
// A section window's computation as a pure function: input texts in, result
// texts out, in the order the window writes them.

#include <string>
#include <string_view>
#include <vector>

#include "Section.h"

namespace baricor {

struct RecalcOutcome {
    // False when the inputs give no defined result (a zero area or a zero Jx/Jy
    // divides by zero, or a value left the double range): the window then blanks
    // every result field and shows no message.
    bool hasResult = false;
    // One text per ShapeUnit::results entry, in the same order.
    std::vector<std::string> texts;
    // The shape's validity test failed: Errore2 comes up after the texts are written.
    bool showsErrore2 = false;
};

// Reads every input text (in ShapeUnit::inputs order), computes and formats.
// `decimalSeparator` is the user's; the section results use `resultFormat`, the
// centroid coordinates CentroidFormat.
RecalcOutcome Recalculate(const ShapeUnit& shape, const std::vector<std::string>& inputTexts,
                          std::string_view decimalSeparator, std::string_view resultFormat);

// The texts a window writes when it loads: the shape's formulas on its built-in
// dimensions, zero static moments and the centroidal moments as they are, with
// no transform, clean-up or validity test.
RecalcOutcome LoadResults(const ShapeUnit& shape, std::string_view decimalSeparator,
                          std::string_view resultFormat);

}  // namespace baricor
