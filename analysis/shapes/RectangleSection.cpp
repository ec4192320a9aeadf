// The solid rectangle: width a along x, height b along y, G at the centre.
#include <cmath>

#include "SectionGeometry.h"
#include "SectionTable.h"
#include "Shapes.h"

namespace baricor {
namespace {

SectionProperties RectangleFormulas(const Dimensions& d) {
    const double a = d[0];
    const double b = d[1];
    SectionProperties p;
    p.A = a * b;
    p.Jx0 = (a * (1.0 / 12.0)) * std::pow(b, 3);
    p.Jy0 = (b * (1.0 / 12.0)) * std::pow(a, 3);
    p.Jxy0 = 0.0;  // both centroidal axes are axes of symmetry
    return p;
}

bool RectangleDrawable(const Dimensions& d) {
    const double a = d[0];
    const double b = d[1];
    return a > 0 && b > 0;
}

SectionOutline RectangleOutline(const Dimensions& d, const SectionProperties&) {
    const double a = d[0];
    const double b = d[1];
    return {{CentredRectangle(a, b)}, {}};
}

ShapeUnit MakeRectangleSection() {
    ShapeUnit s = SectionWindowFrame(1, "Rettangolare", "rectangle");
    s.diagramDescription = "Sezione rettangolare: larghezza a, altezza b, baricentro G al centro, assi x e y";
    s.picture = {240, 360, 2085, 2580};
    s.dataFrame = DataFrame({240, 3120, 1935, 1335});
    s.transformFrame = TransformFrame({3000, 2640, 2415, 1575});

    s.inputs = InputRows(
        {120, 375, 480, 735, 1320, 375},
        {{360, "a", "Label1", "Text1", "Label6", "100"}, {840, "b", "Label2", "Text2", "Label7", "150"}},
        {{"Label18", "Text9", "Label17"}, {"Label20", "Text10", "Label19"}, {"Label22", "Text11", "Label21"}});

    const ResultColumns col{2760, 3360, 5040};
    s.results = SectionResultRows(col, 120,
                                  {{{"Label16", "Text3", "Label14"},
                                    {"Label15", "Text4", "Label13"},
                                    {"Label3", "Text5", "Label8"},
                                    {"Label4", "Text6", "Label9"},
                                    {"Label5", "Text7", "Label10"},
                                    {"Label11", "Text8", "Label12"}}});

    PlaceButtons(s, 2880, 4320);
    s.loadDimensions = {100, 150};
    s.hasValidityTest = false;  // negative dimensions are accepted as they are
    s.formulas = RectangleFormulas;
    s.drawable = RectangleDrawable;
    s.extremeFibres = CentredFibres;
    s.outline = RectangleOutline;
    return s;
}

}  // namespace

const ShapeUnit& RectangleSection() {
    static const ShapeUnit shape = MakeRectangleSection();
    return shape;
}

}  // namespace baricor
