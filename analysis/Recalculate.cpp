#include "Recalculate.h"

#include <cmath>
#include <initializer_list>

#include "AxisTransform.h"
#include "NumericText.h"
#include "ResultFormat.h"

namespace baricor {
namespace {

bool AllFinite(std::initializer_list<double> values) {
    for (double v : values) {
        if (!std::isfinite(v)) return false;
    }
    return true;
}

bool Shows(const ShapeUnit& shape, Quantity quantity) {
    for (const ResultField& r : shape.results) {
        if (r.quantity == quantity) return true;
    }
    return false;
}

bool CentroidalValuesDefined(const ShapeUnit& shape, const SectionProperties& p) {
    return AllFinite({p.A, p.Jx0, p.Jy0, p.Jxy0}) && (!Shows(shape, Quantity::xG) || std::isfinite(p.xG)) &&
           (!Shows(shape, Quantity::yG) || std::isfinite(p.yG));
}

RecalcOutcome WriteTexts(const ShapeUnit& shape, const SectionProperties& p, const AxisResults& r,
                         std::string_view decimalSeparator, std::string_view resultFormat) {
    RecalcOutcome outcome;
    outcome.hasResult = true;
    for (const ResultField& field : shape.results) {
        double value = 0.0;
        std::string_view pattern = resultFormat;
        switch (field.quantity) {
            case Quantity::Sx: value = r.Sx; break;
            case Quantity::Sy: value = r.Sy; break;
            case Quantity::Jx: value = r.Jx; break;
            case Quantity::Jy: value = r.Jy; break;
            case Quantity::Jxy: value = r.Jxy; break;
            case Quantity::A: value = p.A; break;
            case Quantity::xG: value = p.xG; pattern = CentroidFormat; break;
            case Quantity::yG: value = p.yG; pattern = CentroidFormat; break;
        }
        outcome.texts.push_back(FormatValue(value, pattern, decimalSeparator));
    }
    return outcome;
}

}  // namespace

RecalcOutcome Recalculate(const ShapeUnit& shape, const std::vector<std::string>& inputTexts,
                          std::string_view decimalSeparator, std::string_view resultFormat) {
    Dimensions dimensions;
    AxisPlacement axes;
    for (size_t i = 0; i < shape.inputs.size(); ++i) {
        const double value = ReadInputNumber(i < inputTexts.size() ? inputTexts[i] : std::string(), decimalSeparator);
        switch (shape.inputs[i].role) {
            case InputRole::Dimension: dimensions.push_back(value); break;
            case InputRole::Dx: axes.Dx = value; break;
            case InputRole::Dy: axes.Dy = value; break;
            case InputRole::Theta: axes.theta = value; break;
        }
    }

    const SectionProperties p = shape.formulas(dimensions);
    if (!CentroidalValuesDefined(shape, p) || !AllFinite({axes.Dx, axes.Dy, axes.theta})) return {};

    const std::optional<AxisResults> r = AxisTransform({p.A, p.Jx0, p.Jy0, p.Jxy0}, axes);
    if (!r || !AllFinite({r->Sx, r->Sy, r->Jx, r->Jy, r->Jxy})) return {};

    RecalcOutcome outcome = WriteTexts(shape, p, *r, decimalSeparator, resultFormat);
    outcome.showsErrore2 = shape.hasValidityTest && (p.Jx0 < 0 || p.Jy0 < 0);
    return outcome;
}

RecalcOutcome LoadResults(const ShapeUnit& shape, std::string_view decimalSeparator, std::string_view resultFormat) {
    const SectionProperties p = shape.formulas(shape.loadDimensions);
    if (!CentroidalValuesDefined(shape, p)) return {};
    const AxisResults untransformed{0.0, 0.0, p.Jx0, p.Jy0, p.Jxy0};
    return WriteTexts(shape, p, untransformed, decimalSeparator, resultFormat);
}

}  // namespace baricor
