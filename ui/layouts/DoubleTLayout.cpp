#include "SectionLayout.h"
#include "Shapes.h"

namespace baricor {

SectionLayout DoubleTLayout() {
    SectionLayout s = SectionWindowFrame(DoubleTSection(), "doppio T", "double-t-section");
    s.diagramDescription =
        "Sezione a doppio T: larghezza delle ali a, altezza b, spessore delle ali t1, spessore dell'anima t2, "
        "baricentro G al centro, assi x e y";
    s.picture = {120, 120, 2265, 2970};
    s.dataFrame = DataFrame({120, 3120, 1935, 1695});
    s.transformFrame = TransformFrame({3000, 2640, 2415, 1575});

    s.inputs = InputRows(s, {120, 255, 480, 735, 1320, 375},
                         {{240, "Label1", "Text1", "Label15", "100"},
                          {600, "Label2", "Text2", "Label6", "150"},
                          {960, "Label3", "Text3", "Label7", "20"},
                          {1320, "Label4", "Text4", "Label10", "25"}},
                         kTransformNamesAfterFourDimensions);

    const ResultColumns col{2520, 3120, 4800};
    s.results = SectionResultRows(col, 120,
                                  {{{"Label18", "Text5", "Label16"},
                                    {"Label17", "Text6", "Label14"},
                                    {"Label20", "Text7", "Label5"},
                                    {"Label19", "Text8", "Label9"},
                                    {"Label11", "Text9", "Label8"},
                                    {"Label12", "Text10", "Label13"}}});

    PlaceButtons(s, 2880, 4320);
    return s;
}

}  // namespace baricor
