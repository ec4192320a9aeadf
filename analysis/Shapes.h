#pragma once
// The eight section shapes, one unit each, named after their windows.

#include <vector>

#include "Section.h"

namespace baricor {

const ShapeUnit& Trave1();  // rectangle

// Every shape that has its unit, in window order.
const std::vector<const ShapeUnit*>& AllShapes();
// The shape of window TraveN, or nullptr where that shape has no unit yet.
const ShapeUnit* ShapeByNumber(int number);

}  // namespace baricor
