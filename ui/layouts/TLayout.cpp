#include "SectionLayout.h"
#include "Shapes.h"

namespace baricor {

SectionLayout TLayout() {
    SectionLayout s = SectionWindowFrame(TSection(), "a T", "t-section");
    s.diagramDescription =
        "Sezione a T: larghezza dell'ala a, altezza b, spessore dell'ala t1, spessore dell'anima t2, baricentro G alla "
        "distanza yG dal lato esterno dell'ala, assi x e y";
    s.picture = {120, 120, 2535, 2685};
    s.dataFrame = DataFrame({120, 2880, 1935, 1815});
    s.transformFrame = TransformFrame({3240, 2640, 2415, 1575});

    s.inputs = InputRows(s, {120, 255, 480, 855, 1440, 375},
                         {{240, "Label1", "Text1", "Label15", "100"},
                          {600, "Label2", "Text2", "Label7", "150"},
                          {960, "Label3", "Text3", "Label10", "25"},
                          {1320, "Label4", "Text4", "Label11", "25"}},
                         kTransformNamesAfterFourDimensions);

    const ResultColumns col{2880, 3480, 5160};
    s.results = SectionResultRows(col, 120,
                                  {{{"Label18", "Text5", "Label16"},
                                    {"Label17", "Text6", "Label14"},
                                    {"Label20", "Text7", "Label6"},
                                    {"Label19", "Text8", "Label9"},
                                    {"Label5", "Text9", "Label8"},
                                    {"Label12", "Text10", "Label13"}}});
    s.results.push_back(CentroidRow(Quantity::yG, "Label28", {2160, 3360, 375, 255}, "Text14", {2520, 3360, 615, 285}));

    PlaceButtons(s, 3120, 4560);
    return s;
}

}  // namespace baricor
