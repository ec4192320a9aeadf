#include "Recalculate.h"

#include <cmath>

#include "AxisTransform.h"
#include "Finite.h"
#include "ResultFormat.h"
#include "SectionInputs.h"

namespace baricor {
namespace {

bool CentroidalValuesDefined(const SectionShape& shape, const SectionProperties& p) {
    return AllFinite({p.A, p.Jx0, p.Jy0, p.Jxy0}) && (!shape.measuresXG || std::isfinite(p.xG)) &&
           (!shape.measuresYG || std::isfinite(p.yG));
}

RecalcOutcome WriteTexts(const SectionShape& shape, const SectionProperties& p, const AxisResults& r,
                         std::string_view decimalSeparator, std::string_view resultFormat) {
    RecalcOutcome outcome;
    outcome.hasResult = true;
    for (const Quantity quantity : ResultQuantities(shape)) {
        double value = 0.0;
        std::string_view pattern = resultFormat;
        switch (quantity) {
            case Quantity::Sx: value = r.Sx; break;
            case Quantity::Sy: value = r.Sy; break;
            case Quantity::Jx: value = r.Jx; break;
            case Quantity::Jy: value = r.Jy; break;
            case Quantity::Jxy: value = r.Jxy; break;
            case Quantity::A: value = p.A; break;
            case Quantity::xG: value = p.xG; pattern = CentroidFormat; break;
            case Quantity::yG: value = p.yG; pattern = CentroidFormat; break;
        }
        outcome.texts.push_back({quantity, FormatValue(value, pattern, decimalSeparator)});
    }
    return outcome;
}

}  // namespace

std::string RecalcOutcome::TextOf(Quantity quantity) const {
    for (const ResultText& result : texts) {
        if (result.quantity == quantity) return result.text;
    }
    return {};
}

RecalcOutcome Recalculate(const SectionShape& shape, const SectionTexts& texts, std::string_view decimalSeparator,
                          std::string_view resultFormat) {
    const SectionInputs read = ReadSectionInputs(shape, texts, decimalSeparator);
    const AxisPlacement& axes = read.axes;

    const SectionProperties p = shape.formulas(read.dimensions);
    if (!CentroidalValuesDefined(shape, p) || !AllFinite({axes.Dx, axes.Dy, axes.theta})) return {};

    const std::optional<AxisResults> r = AxisTransform({p.A, p.Jx0, p.Jy0, p.Jxy0}, axes);
    if (!r || !AllFinite({r->Sx, r->Sy, r->Jx, r->Jy, r->Jxy})) return {};

    RecalcOutcome outcome = WriteTexts(shape, p, *r, decimalSeparator, resultFormat);
    outcome.showsErrore2 = shape.hasValidityTest && (p.Jx0 < 0 || p.Jy0 < 0);
    return outcome;
}

RecalcOutcome LoadResults(const SectionShape& shape, std::string_view decimalSeparator, std::string_view resultFormat) {
    const SectionProperties p = shape.formulas(shape.loadDimensions);
    if (!CentroidalValuesDefined(shape, p)) return {};
    const AxisResults untransformed{0.0, 0.0, p.Jx0, p.Jy0, p.Jxy0};
    return WriteTexts(shape, p, untransformed, decimalSeparator, resultFormat);
}

}  // namespace baricor
