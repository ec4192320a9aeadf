#include "SectionLayout.h"
#include "Shapes.h"

namespace baricor {

SectionLayout CircleLayout() {
    SectionLayout s = SectionWindowFrame(CircleSection(), "Circolare", "circle");
    s.diagramDescription = "Sezione circolare: diametro d, baricentro G al centro, assi x e y";
    s.clientWidth = 5925;
    s.clientHeight = 4800;
    s.picture = {240, 360, 2310, 2475};
    s.dataFrame = DataFrame({240, 3600, 2055, 855});
    s.transformFrame = TransformFrame({3000, 2640, 2415, 1575});

    s.inputs =
        InputRows(s, {240, 375, 600, 735, 1440, 375}, {{360, "Label1", "Text1", "Label6", "100"}},
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
    return s;
}

}  // namespace baricor
