#include "Shapes.h"

namespace baricor {

const std::vector<const SectionShape*>& AllShapes() {
    static const std::vector<const SectionShape*> shapes = {
        &RectangleSection(), &CircleSection(), &RectangularTubeSection(), &RingSection(),
        &LSection(),         &TSection(),      &DoubleTSection(),         &CSection()};
    return shapes;
}

const SectionShape* ShapeByNumber(int number) {
    const std::vector<const SectionShape*>& shapes = AllShapes();
    if (number < 1 || size_t(number) > shapes.size()) return nullptr;
    return shapes[size_t(number) - 1];
}

}  // namespace baricor
