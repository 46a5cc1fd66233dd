#pragma once
// The 51 hot-rolled unequal-leg angles offered as stiffeners, in the order of the window's list.
// The list position is the only key: the designation is shown and printed, never searched by
// the calculation itself.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace deckplate {

struct AngleRow {
    std::string_view designation;  ///< "L63x40x5": long leg x short leg x thickness, mm
    double H;                      ///< long-leg width, mm (a whole number)
    double Ix;                     ///< strong-axis moment of inertia, cm⁴
    double y0;                     ///< centroid to the outer face of the short leg, cm
    double A;                      ///< section area, cm²
};

/// An unequal-leg angle's section values, in the catalogue's units and order; as a stiffener the
/// long leg stands down and the short leg is at the bottom.
struct AngleValues {
    double H = 0;             ///< long-leg width, mm
    double Ix = 0;            ///< strong-axis moment of inertia, cm⁴
    double y0 = 0;            ///< centroid to the outer face of the short leg, cm
    double A = 0;             ///< section area, cm²
    double legThickness = 0;  ///< mm; decides the strength limit under the current basis
    double shortLeg = 0;      ///< the short leg's width b, mm: its outstand and shear area
};

/// All 51 rows, position 0 ("L25x16x3") to 50 ("L140x90x10").
std::span<const AngleRow> AngleCatalogue();

/// The section values of the angle at list `position`. A position outside 0 … 50 is no angle:
/// Ix = 0, y0 = 0, leg thickness 0, and A = 1, H = 1 so that nothing divides by zero.
AngleValues AngleSection(std::int16_t position);

/// Leg thickness of the angle at list `position`, mm: the last number of its designation
/// ("L63x40x5": 5). A position outside 0 … 50 gives 0.
double AngleLegThickness(std::int16_t position);
/// Short leg of the angle at list `position`, mm: the middle number of its designation
/// ("L63x40x5": 40). A position outside 0 … 50 gives 0.
double AngleShortLeg(std::int16_t position);

/// The two catalogue angles nearest a designation in the catalogue's form that it lacks
/// ("L75x50x7": L75x50x6, L75x50x8), by the legs and then the thickness; none for a text that is
/// no angle's designation.
std::vector<std::string_view> NearestAngles(std::string_view designation);

/// The list position of a designation such as "L63x40x5", if the catalogue has it.
std::optional<std::int16_t> FindAngle(std::string_view designation);

}  // namespace deckplate
