#pragma once
// Hot-rolled flat bars of the usual size series, as candidates for a stiffener.

#include <vector>

#include "calc/code_values.h"
#include "calc/stiffener.h"

namespace deckplate {

/// Every bar of the series with height / thickness ≤ 15, heights 20 to 200 mm.
const std::vector<FlatBar>& StandardFlatBars();

}  // namespace deckplate
