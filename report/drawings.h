#pragma once
// The calculation book's two drawings, as inline SVG.

#include <string>
#include <string_view>

#include "calc/bay_check.h"

namespace deckplate::report {

/// A plan of the plate panel in proportion: the span b = L across, the spacing a down, the
/// supported edges drawn heavy; three panels when the plate is continuous, the checked one
/// shaded. Lengths in mm.
std::string PanelSketch(const BayInput& bay);

/// The composite section of the stiffener to scale: the plate strip be × t on top, below it the
/// flat bar, or the angle with its long leg up against the plate and its short leg at the
/// bottom, the centroidal axis x–x at Yo and the dimensions in mm. An angle's designation gives
/// its short leg and thickness ("L63x40x5"); an angle never picked is left out of the drawing.
std::string SectionDrawing(const BayInput& bay, const StiffenerResult& section);

}  // namespace deckplate::report
