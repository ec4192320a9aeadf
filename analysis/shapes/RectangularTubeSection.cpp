// The rectangular tube: outer width a and height b, walls t1 thick at top and
// bottom and t2 thick at the sides; G at the centre.
#include <cmath>

#include "SectionGeometry.h"
#include "SectionTable.h"
#include "Shapes.h"

namespace baricor {
namespace {

SectionProperties TubeFormulas(const Dimensions& d) {
    const double a = d[0];
    const double b = d[1];
    const double t1 = d[2];
    const double t2 = d[3];
    const double k = 1.0 / 12.0;
    SectionProperties p;
    // The outer rectangle less the hole.
    p.A = ((a * t1 + b * t2) - t2 * (t1 * 2)) * 2;
    p.Jx0 = (a * std::pow(b, 3) - (a - t2 * 2) * std::pow(b - t1 * 2, 3)) * k;
    p.Jy0 = (b * std::pow(a, 3) - (b - t1 * 2) * std::pow(a - t2 * 2, 3)) * k;
    p.Jxy0 = 0.0;  // both centroidal axes are axes of symmetry
    return p;
}

// Two walls t1 thick across the height, two t2 thick across the width.
bool TubeDrawable(const Dimensions& d) { return ThicknessesFit(d, 2, 2); }

// The outer rectangle and the hole, both centred on G.
SectionOutline TubeOutline(const Dimensions& d, const SectionProperties&) {
    const auto [a, b, t1, t2] = FourDimensions(d);
    return {{CentredRectangle(a, b), CentredRectangle(a - t2 * 2, b - t1 * 2)}, {}};
}

ShapeUnit MakeRectangularTubeSection() {
    ShapeUnit s = SectionWindowFrame(3, "Tubolare", "rectangular-tube");
    s.diagramDescription =
        "Sezione tubolare: lati esterni a e b, spessori delle pareti t1 e t2, baricentro G al centro, assi x e y";
    s.picture = {240, 240, 2100, 2460};
    s.dataFrame = DataFrame({360, 2880, 1935, 1815});
    s.transformFrame = TransformFrame({3000, 2640, 2415, 1575});

    s.inputs = InputRows({120, 255, 480, 735, 1320, 495},
                         {{240, "a", "Label1", "Text1", "Label8", "100"},
                          {600, "b", "Label2", "Text2", "Label9", "150"},
                          {960, "t1", "Label3", "Text3", "Label10", "25"},
                          {1320, "t2", "Label4", "Text4", "Label11", "20"}},
                         kTransformNamesAfterFourDimensions);

    const ResultColumns col{2760, 3360, 5040};
    s.results = SectionResultRows(col, 240,
                                  {{{"Label16", "Text5", "Label14"},
                                    {"Label15", "Text6", "Label13"},
                                    {"Label20", "Text7", "Label17"},
                                    {"Label19", "Text8", "Label7"},
                                    {"Label18", "Text9", "Label6"},
                                    {"Label5", "Text10", "Label12"}}});

    PlaceButtons(s, 2880, 4320);
    s.loadDimensions = {100, 150, 25, 20};
    // Only the signs of the centroidal moments are checked: walls thicker than
    // half a side still give results without a message.
    s.hasValidityTest = true;
    s.formulas = TubeFormulas;
    s.drawable = TubeDrawable;
    s.extremeFibres = CentredFibres;
    s.outline = TubeOutline;
    return s;
}

}  // namespace

const ShapeUnit& RectangularTubeSection() {
    static const ShapeUnit shape = MakeRectangularTubeSection();
    return shape;
}

}  // namespace baricor
