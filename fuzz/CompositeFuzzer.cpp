// Part tables of any shapes, texts and holes through the composite analysis:
// it never crashes, and what it gives is finite or blank. The totals are blank
// exactly when a cell is not a number, a part has no result of its own or the
// area is not greater than 0; every text is well-formed or empty as a group.
//
// Input: one byte picks the notation; then, per part, one byte picks the shape
// (the eight shapes and every profile), one the hole flag, and each of the
// shape's cells takes a text up to the next 0x00 byte.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "ResultGrammar.h"
#include "Shapes.h"
#include "composite/Composite.h"
#include "profiles/ProfileCatalogue.h"

namespace {

std::vector<baricor::PartShape> PartShapes() {
    std::vector<baricor::PartShape> shapes;
    for (const baricor::SectionShape* shape : baricor::AllShapes()) shapes.push_back({shape, nullptr});
    for (const baricor::ProfileFamily& family : baricor::ProfileFamilies())
        for (const baricor::Profile& profile : family) shapes.push_back({nullptr, &profile});
    return shapes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace baricor;
    static const std::vector<PartShape> shapes = PartShapes();
    const size_t sectionShapes = AllShapes().size();
    if (size < 1) return 0;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const RegionalSeparators& notation = fuzz::NotationOf(data[0]);
    size_t at = 1;
    std::vector<CompositePart> parts;
    while (at + 2 <= size && parts.size() < 12) {
        CompositePart part;
        // Mostly section shapes, whose texts the fuzzer chooses.
        part.shape = data[at] < 16 ? shapes[data[at] % sectionShapes] : shapes[data[at] % shapes.size()];
        part.hole = data[at + 1] & 1;
        at += 2;
        for (const PartCell& cell : EditableCells(part.shape)) {
            const size_t end = std::min(size, input.find('\0', at));
            *TextIn(part, cell) = std::string(input.substr(at, end - at));
            at = end + 1;
            if (at > size) at = size;
        }
        parts.push_back(std::move(part));
    }

    const CompositeAnalysis a = AnalyseComposite(parts, notation);
    // An analyser that saw the table without its last part, then sees it whole,
    // gives what a fresh analysis gives.
    {
        CompositeAnalyser analyser;
        if (!parts.empty()) analyser.Analyse({parts.begin(), parts.end() - 1}, notation);
        const CompositeAnalysis kept = analyser.Analyse(parts, notation);
        fuzz::Require(analyser.PartsWorkedOut() <= 1, "only a new part is worked out", input);
        fuzz::Require(kept.totals.has_value() == a.totals.has_value() && kept.derived.has_value() == a.derived.has_value() &&
                          kept.warning.kind == a.warning.kind && kept.badCell.has_value() == a.badCell.has_value() &&
                          kept.undefinedPart == a.undefinedPart,
                      "kept parts give what a fresh analysis gives", input);
        if (kept.totals && a.totals)
            fuzz::Require(std::memcmp(&*kept.totals, &*a.totals, sizeof(CompositeTotals)) == 0,
                          "kept parts give the same totals to the bit", input);
    }
    if (a.badCell) fuzz::Require(!a.totals && a.placed.empty(), "a bad cell leaves everything blank", input);
    if (a.undefinedPart) fuzz::Require(!a.totals, "a part without result blanks the totals", input);
    if (a.totals) {
        const CompositeTotals& t = *a.totals;
        fuzz::Require(t.A > 0, "totals only for an area greater than 0", input);
        for (double v : {t.A, t.Sx, t.Sy, t.Jx, t.Jy, t.Jxy, t.xG, t.yG, t.Jx0, t.Jy0, t.Jxy0})
            fuzz::Require(std::isfinite(v), "every total finite", input);
    }
    if (a.derived) {
        fuzz::Require(a.totals.has_value(), "derived values only with totals", input);
        fuzz::Require(a.derived->J1 >= a.derived->J2, "J1 no smaller than J2", input);
    }
    for (const char* pattern : {"0.000E+00", "0.00000E+00"}) {
        const CompositeTexts texts = CompositeTextsOf(a, notation.decimal, pattern);
        bool blank = texts.results.front().empty();
        for (const std::string& text : texts.results)
            fuzz::Require(text.empty() == blank, "the results blank together", input);
        blank = texts.derived.front().empty();
        for (const std::string& text : texts.derived)
            fuzz::Require(text.empty() == blank, "the derived values blank together", input);
    }
    return 0;
}
