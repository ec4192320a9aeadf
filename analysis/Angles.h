#pragma once
// The program's values of pi and its one way of turning degrees into radians.
// The two shortened values are those its first figures were always computed
// with: every such figure depends on them to the last digit, so they are kept
// as the program has always had them, and each conversion keeps its order of
// evaluation. The quantities added later use the double nearest pi.

namespace baricor {

// pi to six decimals: a circle's area and every conversion of degrees. A right
// angle is therefore not exact, and the last shown digit of a rotated moment
// can move by one.
inline constexpr double kPiSixDecimals = 3.141592;
// pi to seven decimals: a circle's second moment. J0 / A of a circle is thus
// not exactly d^2 / 16.
inline constexpr double kPiSevenDecimals = 3.1415926;

// The double nearest pi: the quantities the program added later (arcs of
// regions, torsion constants), which are exact mathematics.
inline constexpr double kPi = 3.141592653589793;

// pi as the program takes it for degrees.
inline constexpr double kDegreePi = kPiSixDecimals;

inline double DegreesToRadians(double degrees) { return (degrees * kDegreePi) / 180; }

// Half of a doubled angle, from radians to degrees: the angle of the principal
// axes from atan2 of the doubled angle.
inline double HalfAngleToDegrees(double doubledRadians) { return doubledRadians * 90 / kDegreePi; }

}  // namespace baricor
