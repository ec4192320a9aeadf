// The ring: outer diameter d1, inner diameter d2, G at the common centre.
#include <cmath>

#include "SectionGeometry.h"
#include "SectionTable.h"
#include "Shapes.h"

namespace baricor {
namespace {

SectionProperties RingFormulas(const Dimensions& d) {
    const double d1 = d[0];
    const double d2 = d[1];
    // As for the solid circle: pi is 3.141592 in the area, 3.1415926 in the
    // second moment.
    const double q = 3.141592 / 4;
    const double pj = 3.1415926 / 64;
    SectionProperties p;
    p.A = (std::pow(d1, 2) - std::pow(d2, 2)) * q;
    const double J0 = (std::pow(d1, 4) - std::pow(d2, 4)) * pj;
    p.Jx0 = J0;
    p.Jy0 = J0;
    p.Jxy0 = 0.0;  // every centroidal axis is an axis of symmetry
    return p;
}

bool RingDrawable(const Dimensions& d) {
    const double d1 = d[0];
    const double d2 = d[1];
    return d1 > 0 && Fits(d2, d1);
}

ExtremeFibres RingFibres(const Dimensions& d, const SectionProperties&) {
    const double d1 = d[0];
    return {d1 / 2, d1 / 2};
}

// The outer circle and the hole.
SectionOutline RingOutline(const Dimensions& d, const SectionProperties&) {
    const double d1 = d[0];
    const double d2 = d[1];
    return {{}, {d1 / 2, d2 / 2}};
}

ShapeUnit MakeRingSection() {
    ShapeUnit s = SectionWindowFrame(4, "ad Anello", "ring");
    s.diagramDescription =
        "Sezione ad anello: diametro esterno d1, diametro interno d2, baricentro G al centro, assi x e y";
    s.picture = {240, 360, 2250, 2505};
    s.dataFrame = DataFrame({360, 3120, 2055, 1215});
    s.transformFrame = TransformFrame({3000, 2640, 2415, 1575});

    s.inputs = InputRows(
        {120, 495, 600, 735, 1440, 495},
        {{360, "d1", "Label1", "Text1", "Label8", "100"}, {720, "d2", "Label2", "Text2", "Label6", "80"}},
        {{"Label25", "Text9", "Label26"}, {"Label23", "Text10", "Label24"}, {"Label22", "Text11", "Label21"}});

    const ResultColumns col{2880, 3480, 5160};
    s.results = SectionResultRows(col, 120,
                                  {{{"Label16", "Text3", "Label14"},
                                    {"Label15", "Text4", "Label13"},
                                    {"Label20", "Text5", "Label17"},
                                    {"Label19", "Text6", "Label7"},
                                    {"Label18", "Text7", "Label3"},
                                    {"Label5", "Text8", "Label12"}}});

    PlaceButtons(s, 2880, 4320);
    s.loadDimensions = {100, 80};
    s.hasValidityTest = true;  // an inner diameter larger than the outer one
    s.formulas = RingFormulas;
    s.drawable = RingDrawable;
    s.extremeFibres = RingFibres;
    s.outline = RingOutline;
    return s;
}

}  // namespace

const ShapeUnit& RingSection() {
    static const ShapeUnit shape = MakeRingSection();
    return shape;
}

}  // namespace baricor
