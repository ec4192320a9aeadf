#include "Shapes.h"

namespace baricor {

const std::vector<const ShapeUnit*>& AllShapes() {
    static const std::vector<const ShapeUnit*> shapes = {&RectangleSection(), &CircleSection(), &RectangularTubeSection(), &RingSection(),
                                                         &LSection(), &TSection(), &DoubleTSection(), &CSection()};
    return shapes;
}

const ShapeUnit* ShapeByNumber(int number) {
    for (const ShapeUnit* shape : AllShapes()) {
        if (shape->number == number) return shape;
    }
    return nullptr;
}

}  // namespace baricor
