#include "Section.h"

namespace baricor {

const char* QuantitySymbol(Quantity quantity) {
    switch (quantity) {
        case Quantity::Sx: return "Sx";
        case Quantity::Sy: return "Sy";
        case Quantity::Jx: return "Jx";
        case Quantity::Jy: return "Jy";
        case Quantity::Jxy: return "Jxy";
        case Quantity::A: return "A";
        case Quantity::xG: return "xG";
        case Quantity::yG: return "yG";
    }
    return "";
}

const char* QuantityUnit(Quantity quantity) {
    switch (quantity) {
        case Quantity::Sx:
        case Quantity::Sy: return "[mm^3]";
        case Quantity::Jx:
        case Quantity::Jy:
        case Quantity::Jxy: return "[mm^4]";
        case Quantity::A: return "[mm^2]";
        case Quantity::xG:
        case Quantity::yG: return "";
    }
    return "";
}

std::vector<Quantity> ResultQuantities(const SectionShape& shape) {
    std::vector<Quantity> quantities = {Quantity::Sx, Quantity::Sy, Quantity::Jx, Quantity::Jy, Quantity::Jxy, Quantity::A};
    if (shape.measuresXG) quantities.push_back(Quantity::xG);
    if (shape.measuresYG) quantities.push_back(Quantity::yG);
    return quantities;
}

}  // namespace baricor
