#include "SectionLayout.h"
#include "Shapes.h"

namespace baricor {

SectionLayout RingLayout() {
    SectionLayout s = SectionWindowFrame(RingSection(), "ad Anello", "ring");
    s.diagramDescription =
        "Sezione ad anello: diametro esterno d1, diametro interno d2, baricentro G al centro, assi x e y";
    s.picture = {240, 360, 2250, 2505};
    s.dataFrame = DataFrame({360, 3120, 2055, 1215});
    s.transformFrame = TransformFrame({3000, 2640, 2415, 1575});

    s.inputs = InputRows(s,
        {120, 495, 600, 735, 1440, 495},
        {{360, "Label1", "Text1", "Label8", "100"}, {720, "Label2", "Text2", "Label6", "80"}},
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
    return s;
}

}  // namespace baricor
