#include "SectionLayout.h"
#include "Shapes.h"

namespace baricor {

SectionLayout RectangularTubeLayout() {
    SectionLayout s = SectionWindowFrame(RectangularTubeSection(), "Tubolare", "rectangular-tube");
    s.diagramDescription =
        "Sezione tubolare: lati esterni a e b, spessori delle pareti t1 e t2, baricentro G al centro, assi x e y";
    s.picture = {240, 240, 2100, 2460};
    s.dataFrame = DataFrame({360, 2880, 1935, 1815});
    s.transformFrame = TransformFrame({3000, 2640, 2415, 1575});

    s.inputs = InputRows(s, {120, 255, 480, 735, 1320, 495},
                         {{240, "Label1", "Text1", "Label8", "100"},
                          {600, "Label2", "Text2", "Label9", "150"},
                          {960, "Label3", "Text3", "Label10", "25"},
                          {1320, "Label4", "Text4", "Label11", "20"}},
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
    return s;
}

}  // namespace baricor
