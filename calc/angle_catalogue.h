#pragma once
// The 51 hot-rolled unequal-leg angles offered as stiffeners, in the order of the window's list.
// The list position is the only key: the designation is shown and printed, never searched by
// the calculation itself.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace deckplate {

struct AngleRow {
    std::string_view designation;  ///< "L63x40x5": long leg x short leg x thickness, mm
    double H;                      ///< long-leg width, mm (a whole number)
    double Ix;                     ///< strong-axis moment of inertia, cm⁴
    double y0;                     ///< centroid to the outer face of the short leg, cm
    double A;                      ///< section area, cm²
};

/// All 51 rows, position 0 ("L25x16x3") to 50 ("L140x90x10").
std::span<const AngleRow> AngleCatalogue();

/// Writes the properties of the angle at list `position` into the out-arguments: Ix (cm⁴),
/// y0 (cm), A (cm²), H (mm). A position outside 0 … 50 writes Ix = 0, y0 = 0, A = 1, H = 1.
void AngleSection(std::int16_t position, double& Iangle, double& Yoangle, double& Aangle,
                  double& Hangle);

/// Leg thickness of the angle at list `position`, mm: the last number of its designation
/// ("L63x40x5": 5). A position outside 0 … 50 gives 0.
double AngleLegThickness(std::int16_t position);

/// The list position of a designation such as "L63x40x5", if the catalogue has it.
std::optional<std::int16_t> FindAngle(std::string_view designation);

}  // namespace deckplate
