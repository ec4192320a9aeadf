// Every section window's table, one function per shape, in the order of
// AllShapes(): where its controls stand, their names, its captions, pictures
// and default texts.
#include "SectionLayout.h"
#include "Shapes.h"

namespace baricor {

SectionLayout RectangleLayout() {
    SectionLayout s = SectionWindowFrame(RectangleSection(), "Rettangolare", "rectangle");
    s.diagramDescription = "Sezione rettangolare: larghezza a, altezza b, baricentro G al centro, assi x e y";
    s.picture = {240, 360, 2085, 2580};
    s.dataFrame = DataFrame({240, 3120, 1935, 1335});
    s.transformFrame = TransformFrame({3000, 2640, 2415, 1575});

    s.inputs = InputRows(
        s, {120, 375, 480, 735, 1320, 375},
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

SectionLayout RingLayout() {
    SectionLayout s = SectionWindowFrame(RingSection(), "ad Anello", "ring");
    s.diagramDescription =
        "Sezione ad anello: diametro esterno d1, diametro interno d2, baricentro G al centro, assi x e y";
    s.picture = {240, 360, 2250, 2505};
    s.dataFrame = DataFrame({360, 3120, 2055, 1215});
    s.transformFrame = TransformFrame({3000, 2640, 2415, 1575});

    s.inputs = InputRows(
        s, {120, 495, 600, 735, 1440, 495},
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

SectionLayout CLayout() {
    SectionLayout s = SectionWindowFrame(CSection(), "a C", "c-section", "bmp");
    s.diagramDescription =
        "Sezione a C: larghezza a, altezza b, spessore delle ali t1, spessore dell'anima t2, baricentro G alla "
        "distanza xG dal lato esterno dell'anima, assi x e y";
    s.picture = {120, 120, 2025, 2895};
    s.dataFrame = DataFrame({120, 3120, 1935, 1695});
    s.transformFrame = TransformFrame({3360, 2640, 2175, 1575});

    s.inputs = InputRows(s, {120, 255, 480, 735, 1320, 375},
                         {{240, "Label1", "Text1", "Label15", "100"},
                          {600, "Label2", "Text2", "Label6", "150"},
                          {960, "Label3", "Text3", "Label7", "20"},
                          {1320, "Label4", "Text4", "Label10", "25"}},
                         kTransformNamesAfterFourDimensions);

    const ResultColumns col{2880, 3480, 5160};
    s.results = SectionResultRows(col, 120,
                                  {{{"Label18", "Text5", "Label16"},
                                    {"Label17", "Text6", "Label14"},
                                    {"Label20", "Text7", "Label5"},
                                    {"Label19", "Text8", "Label9"},
                                    {"Label11", "Text9", "Label8"},
                                    {"Label12", "Text10", "Label13"}}});
    s.results.push_back(CentroidRow(Quantity::xG, "Label28", {2160, 3360, 375, 255}, "Text14", {2520, 3360, 615, 285}));

    PlaceButtons(s, 3120, 4560);
    return s;
}

}  // namespace baricor
