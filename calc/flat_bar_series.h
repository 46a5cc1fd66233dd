#pragma once
// Hot-rolled flat bars of the usual size series, as candidates for a stiffener.

#include <vector>

#include "calc/code_values.h"
#include "calc/design_basis.h"
#include "calc/stiffener.h"

namespace deckplate {

/// The bars of the series, heights 20 to 200 mm, that sizing tries under `basis`: under the
/// legacy basis, which checks no outstand, only those with height / thickness ≤ 15; under the
/// current basis every bar thinner than it is high, the outstand check of its grade deciding.
const std::vector<FlatBar>& StandardFlatBars(DesignBasis basis = DesignBasis::Legacy);

}  // namespace deckplate
