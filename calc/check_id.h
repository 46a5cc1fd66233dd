#pragma once
// The checks a bay may have, as one enumeration: the table of checks (checks.h) describes each,
// and the bay's check (bay_check.h) tells an observer of each verdict as it is made.

#include <cstddef>
#include <cstdint>

namespace deckplate {

// clang-format off
enum class Check : std::uint8_t {
    PlateStrength, PlateDeflection, StiffenerStrength, StiffenerDeflection,
    StiffenerLiveDeflection, StiffenerShear, StiffenerOutstand, WeldStrength, WeldDetail,
    PointLoadPlateStrength, PointLoadPlateDeflection, PointLoadStiffenerStrength,
    PointLoadStiffenerDeflection, PointLoadStiffenerShear, PointLoadWeldStrength,
};
// clang-format on
inline constexpr std::size_t kCheckCount = 15;

}  // namespace deckplate
