#include "SectionLayout.h"
#include "Shapes.h"

namespace baricor {

SectionLayout LLayout() {
    SectionLayout s = SectionWindowFrame(LSection(), "ad L", "l-section");
    s.diagramDescription =
        "Sezione ad L: larghezza a, altezza b, spessori delle ali t1 e t2, baricentro G alle distanze xG e yG dai lati "
        "esterni, assi x e y";
    s.picture = {120, 120, 2385, 2790};
    s.dataFrame = DataFrame({120, 3000, 1935, 1815});
    s.transformFrame = TransformFrame({3240, 2640, 2415, 1575});

    s.inputs = InputRows(s, {120, 375, 480, 735, 1320, 495},
                         {{240, "Label1", "Text1", "Label15", "100"},
                          {600, "Label2", "Text2", "Label16", "150"},
                          {960, "Label3", "Text3", "Label17", "25"},
                          {1320, "Label4", "Text4", "Label18", "25"}},
                         kTransformNamesAfterFourDimensions);

    const ResultColumns col{2880, 3480, 5160};
    s.results = SectionResultRows(col, 120,
                                  {{{"Label5", "Text5", "Label14"},
                                    {"Label6", "Text6", "Label13"},
                                    {"Label20", "Text7", "Label10"},
                                    {"Label19", "Text8", "Label9"},
                                    {"Label11", "Text9", "Label8"},
                                    {"Label7", "Text10", "Label12"}}});
    s.results.push_back(CentroidRow(Quantity::xG, "Label27", {2160, 3360, 375, 255}, "Text14", {2520, 3360, 615, 285}));
    s.results.push_back(CentroidRow(Quantity::yG, "Label28", {2160, 3840, 375, 255}, "Text15", {2520, 3840, 615, 285}));

    PlaceButtons(s, 3120, 4560);
    return s;
}

}  // namespace baricor
