// The solid circle of diameter d, G at the centre.
#include <cmath>

#include "SectionGeometry.h"
#include "SectionTable.h"
#include "Shapes.h"

namespace baricor {
namespace {

SectionProperties CircleFormulas(const Dimensions& dims) {
    const double d = dims[0];
    SectionProperties p;
    // The area takes pi as 3.141592, the second moment as 3.1415926, so J0 / A
    // is not exactly d^2 / 16; both are kept so that the shown figures stay put.
    p.A = (std::pow(d, 2) * 3.141592) / 4;
    const double J0 = (std::pow(d, 4) * 3.1415926) / 64;
    p.Jx0 = J0;
    p.Jy0 = J0;
    p.Jxy0 = 0.0;  // every centroidal axis is an axis of symmetry
    return p;
}

bool CircleDrawable(const Dimensions& dims) {
    const double d = dims[0];
    return d > 0;
}

ExtremeFibres CircleFibres(const Dimensions& dims, const SectionProperties&) {
    const double d = dims[0];
    return {d / 2, d / 2};
}

SectionOutline CircleOutline(const Dimensions& dims, const SectionProperties&) {
    const double d = dims[0];
    return {{}, {d / 2}};
}

ShapeUnit MakeCircleSection() {
    ShapeUnit s = SectionWindowFrame(2, "Circolare", "circle");
    s.diagramDescription = "Sezione circolare: diametro d, baricentro G al centro, assi x e y";
    s.clientWidth = 5925;
    s.clientHeight = 4800;
    s.picture = {240, 360, 2310, 2475};
    s.dataFrame = DataFrame({240, 3600, 2055, 855});
    s.transformFrame = TransformFrame({3000, 2640, 2415, 1575});

    s.inputs =
        InputRows({240, 375, 600, 735, 1440, 375}, {{360, "d", "Label1", "Text1", "Label6", "100"}},
                  {{"Label18", "Text8", "Label17"}, {"Label20", "Text9", "Label19"}, {"Label22", "Text10", "Label21"}});

    const ResultColumns col{2760, 3360, 5040};
    s.results = SectionResultRows(col, 120,
                                  {{{"Label16", "Text2", "Label14"},
                                    {"Label15", "Text3", "Label13"},
                                    {"Label3", "Text4", "Label8"},
                                    {"Label4", "Text5", "Label9"},
                                    {"Label5", "Text6", "Label10"},
                                    {"Label11", "Text7", "Label12"}}});

    PlaceButtons(s, 2880, 4320);
    s.loadDimensions = {100};
    s.hasValidityTest = false;  // only even powers of d: no data give a negative moment
    s.formulas = CircleFormulas;
    s.drawable = CircleDrawable;
    s.extremeFibres = CircleFibres;
    s.outline = CircleOutline;
    return s;
}

}  // namespace

const ShapeUnit& CircleSection() {
    static const ShapeUnit shape = MakeCircleSection();
    return shape;
}

}  // namespace baricor
