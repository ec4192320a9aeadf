#include "SectionLayout.h"
#include "Shapes.h"

namespace baricor {

SectionLayout RectangleLayout() {
    SectionLayout s = SectionWindowFrame(RectangleSection(), "Rettangolare", "rectangle");
    s.diagramDescription = "Sezione rettangolare: larghezza a, altezza b, baricentro G al centro, assi x e y";
    s.picture = {240, 360, 2085, 2580};
    s.dataFrame = DataFrame({240, 3120, 1935, 1335});
    s.transformFrame = TransformFrame({3000, 2640, 2415, 1575});

    s.inputs = InputRows(s,
        {120, 375, 480, 735, 1320, 375},
        {{360, "Label1", "Text1", "Label6", "100"}, {840, "Label2", "Text2", "Label7", "150"}},
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
    return s;
}

}  // namespace baricor
