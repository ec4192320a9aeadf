#pragma once
// The eight section shapes, one unit each, named after their windows.

#include <vector>

#include "Section.h"

namespace baricor {

const ShapeUnit& RectangleSection();  // rectangle
const ShapeUnit& CircleSection();  // circle
const ShapeUnit& RectangularTubeSection();  // rectangular tube
const ShapeUnit& RingSection();  // ring
const ShapeUnit& LSection();  // L
const ShapeUnit& TSection();  // T
const ShapeUnit& DoubleTSection();  // double T
const ShapeUnit& CSection();  // C

// The eight shapes, in window order.
const std::vector<const ShapeUnit*>& AllShapes();
// The shape of window TraveN, or nullptr for a number outside 1 to 8.
const ShapeUnit* ShapeByNumber(int number);

}  // namespace baricor
