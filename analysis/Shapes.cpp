#include "Shapes.h"

namespace baricor {

const std::vector<const ShapeUnit*>& AllShapes() {
    static const std::vector<const ShapeUnit*> shapes = {&Trave1(), &Trave2(), &Trave3(), &Trave4(),
                                                         &Trave5(), &Trave6(), &Trave7(), &Trave8()};
    return shapes;
}

const ShapeUnit* ShapeByNumber(int number) {
    for (const ShapeUnit* shape : AllShapes()) {
        if (shape->number == number) return shape;
    }
    return nullptr;
}

}  // namespace baricor
