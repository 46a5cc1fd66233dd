#pragma once
// The date a calculation is made, as the calculation book states it.

#include <string>

namespace deckplate::os {

/// Today's local date, "2026-12-07".
std::string TodayIso();

}  // namespace deckplate::os
