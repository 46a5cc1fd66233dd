#pragma once
// Hot-rolled flat bars of the usual size series, as candidates for a stiffener.

#include <vector>

#include "calc/stiffener.h"

namespace deckplate {

/// Largest height / thickness of an outstanding flat stiffener of Q235 steel, so that it does
/// not buckle locally before it yields.
inline constexpr double kFlatBarSlendernessLimit = 15.0;

/// Every bar of the series with height / thickness ≤ 15, heights 20 to 200 mm.
const std::vector<FlatBar>& StandardFlatBars();

}  // namespace deckplate
