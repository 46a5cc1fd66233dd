#pragma once
// The books' tests name their stiffeners by the catalogue's designations.

#include <string_view>

#include "calc/angle_catalogue.h"
#include "calc/bay_input.h"

namespace deckplate::report {

/// The catalogue's angle `designation`, one the tests know the catalogue holds.
inline CatalogueAngle Angle(std::string_view designation) {
    return {FindAngle(designation).value()};
}

}  // namespace deckplate::report
