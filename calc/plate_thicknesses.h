#pragma once
// The plate thicknesses offered for the deck plate.

#include <span>
#include <string>

namespace deckplate {

/// 2.5, 3, 4, 4.5, 5, 5.5, 6, 7, 8 mm: nine rolled plate thicknesses; there is no 3.5, 6.5 or
/// 7.5.
std::span<const double> PlateThicknesses();

/// A thickness as the window's list writes it, to one decimal: "2.5", "6.0".
std::string PlateThicknessText(double mm);

}  // namespace deckplate
