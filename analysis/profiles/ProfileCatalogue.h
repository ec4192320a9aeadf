#pragma once
// The rolled steel profiles the program knows, compiled in from the tables in
// data/ (see data/SOURCE.md for their source and licence): seven families of
// sizes, each size with its dimensions as the tables print them.

#include <array>
#include <cstddef>
#include <string_view>

namespace baricor {

enum class ProfileShape { I, Channel, Angle };

struct Profile {
    const char* name = "";  // "IPE 200", "HEA 200", "UPE 200", "L 100x100x10"
    ProfileShape shape = ProfileShape::I;
    // As printed, in the tables' order: h, b, tw, tf, r (I, H and channels);
    // h, b, t, r1, r2 (angles). Millimetres.
    std::array<double, 5> dimensions{};
};

struct ProfileFamily {
    const char* name = "";  // "IPE", "HEA", "HEB", "HEM", "UPE", "L lati uguali", "L lati disuguali"
    ProfileShape shape = ProfileShape::I;
    const Profile* first = nullptr;
    std::size_t count = 0;

    const Profile* begin() const { return first; }
    const Profile* end() const { return first + count; }
};

// The families in the order the catalogue lists them, each size in its
// table's order.
const std::array<ProfileFamily, 7>& ProfileFamilies();
// The size called `name` ("IPE 200"), or none.
const Profile* FindProfile(std::string_view name);

// The labels of the five dimensions: h, b, tw, tf, r or h, b, t, r1, r2.
inline constexpr std::array<const char*, 5> kFlangedDimensionLabels = {"h", "b", "tw", "tf", "r"};
inline constexpr std::array<const char*, 5> kAngleDimensionLabels = {"h", "b", "t", "r1", "r2"};
inline const std::array<const char*, 5>& DimensionLabels(ProfileShape shape) {
    return shape == ProfileShape::Angle ? kAngleDimensionLabels : kFlangedDimensionLabels;
}

// Whether a row of dimensions makes its profile: every dimension greater than
// 0, the walls thinner than what they stand across, and every radius within
// the room it sits in. I and H: a root fillet beside the web within half the
// flange's outstand, two of them one above the other within the web's clear
// depth. Channel: within the flange's outstand and half the clear depth.
// Angle: the toe radius within the thickness, the root and toe radii together
// within each leg's inner face. Checked on every row while building.
constexpr bool ProfileDimensionsFit(ProfileShape shape, double d0, double d1, double d2, double d3, double d4) {
    if (!(d0 > 0 && d1 > 0 && d2 > 0 && d3 > 0 && d4 > 0)) return false;
    switch (shape) {
        case ProfileShape::I: {
            const double h = d0, b = d1, tw = d2, tf = d3, r = d4;
            return tw < b && 2 * r <= b - tw && 2 * tf + 2 * r <= h;
        }
        case ProfileShape::Channel: {
            const double h = d0, b = d1, tw = d2, tf = d3, r = d4;
            return tw < b && r <= b - tw && 2 * tf + 2 * r <= h;
        }
        case ProfileShape::Angle: {
            const double h = d0, b = d1, t = d2, r1 = d3, r2 = d4;
            return r2 <= t && r1 + r2 <= b - t && r1 + r2 <= h - t;
        }
    }
    return false;
}

}  // namespace baricor
