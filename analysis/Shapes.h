#pragma once
// The eight section shapes, one unit each, named after their windows.

#include <vector>

#include "Section.h"

namespace baricor {

const ShapeUnit& Trave1();  // rectangle
const ShapeUnit& Trave2();  // circle
const ShapeUnit& Trave3();  // rectangular tube
const ShapeUnit& Trave4();  // ring
const ShapeUnit& Trave5();  // L
const ShapeUnit& Trave6();  // T
const ShapeUnit& Trave7();  // double T
const ShapeUnit& Trave8();  // C

// Every shape that has its unit, in window order.
const std::vector<const ShapeUnit*>& AllShapes();
// The shape of window TraveN, or nullptr where that shape has no unit yet.
const ShapeUnit* ShapeByNumber(int number);

}  // namespace baricor
