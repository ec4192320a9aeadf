#pragma once
// The Saint-Venant torsion constant of a solid rectangle, exact: the series of
// the elastic solution with long side L and short side s,
//   It = (L s³ / 3) (1 - (192 / π⁵) (s / L) Σ_{n odd} tanh(n π L / (2 s)) / n⁵),
// summed to double precision. Thin-walled open sections are taken as the sum
// of their rectangles' constants.

namespace baricor::geometry {

// Either side may be the longer; a rectangle with a side of 0 (or less) gives 0.
double RectangleTorsionConstant(double side1, double side2);

}  // namespace baricor::geometry
