// Arbitrary input texts through every shape's recalculation and its derived
// properties.
// Input: a byte choosing the shape ('1' is Trave1), a byte choosing the result
// pattern ('4' is the default four digits), a byte choosing the regional
// notation ('0' point, '1' comma, '4' Arabic; see FuzzSupport.h), then the
// input texts (the dimensions in order, then Dx, Dy and θ), separated by '|'.
#include <algorithm>
#include <cstdint>
#include <limits>
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

struct Box {
    double w = 0.0;
    double h = 0.0;
};

// The width and height of the smallest box about the outline.
Box BoxOf(const SectionOutline& outline) {
    double left = 0, right = 0, top = 0, bottom = 0;
    for (const std::vector<PlanePoint>& polygon : outline.polygons)
        for (const PlanePoint& p : polygon) {
            left = std::max(left, p.x);
            right = std::min(right, p.x);
            bottom = std::max(bottom, p.y);
            top = std::min(top, p.y);
        }
    for (double r : outline.circleRadii) {
        left = std::max(left, r);
        right = std::min(right, -r);
        bottom = std::max(bottom, r);
        top = std::min(top, -r);
    }
    return {left - right, bottom - top};
}

// Every derived text is well-formed (α and the shear centre in 0.00) or every
// one is blank, never inf or nan; α lies in (-90, 90] but for the shortened
// pi's 0.0000187 above it, J1 is the greater moment, each plastic modulus is
// no smaller than the elastic one of its axis, the torsion constant is no
// larger than the polar moment, and where the axes are the values do not move.
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
        const DerivedQuantity q = kDerivedFields[i].quantity;
        const bool position = q == DerivedQuantity::Alpha || q == DerivedQuantity::xC || q == DerivedQuantity::yC;
        Require(grammar::MatchesPattern(texts[i], position ? CentroidFormat : pattern, separator),
                position ? "alpha and the shear centre follow 0.00" : "a derived value follows the chosen pattern",
                texts[i]);
    }
    if (derived.values) {
        Require(derived.outline.has_value(), "a section with derived values can be drawn", all);
        Require(derived.values->alpha > -90 && derived.values->alpha < 90.00002, "alpha lies in (-90, 90]", all);
        const DerivedValues& v = *derived.values;
        Require(v.J1 >= v.J2, "J1 is the greater principal moment", all);
        // The plastic modulus is the elastic one times the shape factor, at
        // least 1, and no torsion constant exceeds the polar moment. The
        // figures compared are found by different means, several of them as
        // differences of larger terms (a tube's moment is the outer
        // rectangle's less the hole's): within a few ulps of the largest such
        // term, which is no larger than the same figure for the box the
        // outline fits in (w h² for a modulus about x, w h³ for a moment).
        const Box box = BoxOf(*derived.outline);
        const double ulps = 64 * std::numeric_limits<double>::epsilon();
        Require(v.Wplx >= v.Wx - ulps * box.w * box.h * box.h, "Wpl,x is no smaller than Wx", all);
        Require(v.Wply >= v.Wy - ulps * box.h * box.w * box.w, "Wpl,y is no smaller than Wy", all);
        Require(v.It >= 0 && v.It <= v.Jp + ulps * box.w * box.h * (box.w * box.w + box.h * box.h),
                "It lies between 0 and Jp", all);
        Require(v.Iw >= 0, "Iw is no less than 0", all);
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
