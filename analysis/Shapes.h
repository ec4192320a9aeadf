#pragma once
// The eight section shapes, one unit each.

#include <vector>

#include "Section.h"

namespace baricor {

const SectionShape& RectangleSection();       // rectangle
const SectionShape& CircleSection();          // circle
const SectionShape& RectangularTubeSection(); // rectangular tube
const SectionShape& RingSection();            // ring
const SectionShape& LSection();               // L
const SectionShape& TSection();               // T
const SectionShape& DoubleTSection();         // double T
const SectionShape& CSection();               // C

// Every shape, in the order the program offers them: the one list that says
// how many there are.
const std::vector<const SectionShape*>& AllShapes();
// The shape at place `number` of AllShapes(), counting from 1, or nullptr
// outside 1 to AllShapes().size().
const SectionShape* ShapeByNumber(int number);

}  // namespace baricor
