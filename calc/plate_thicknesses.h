#pragma once
// The plate thicknesses offered for the deck plate, as the window's list shows them.

#include <span>
#include <string_view>

namespace deckplate {

/// "2.5", "3.0", "4.0", "4.5", "5.0", "5.5", "6.0", "7.0", "8.0" (mm): nine rolled plate
/// thicknesses; there is no 3.5, 6.5 or 7.5.
std::span<const std::string_view> PlateThicknesses();

}  // namespace deckplate
