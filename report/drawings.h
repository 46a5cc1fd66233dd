#pragma once
// The calculation book's two drawings, as vector shapes (drawing.h) that both formats set.

#include "calc/bay_check.h"
#include "report/book_numbers.h"
#include "report/drawing.h"

namespace deckplate::report {

/// A plan of the plate panel in proportion: the span b = L across, the spacing a down, the
/// supported edges drawn heavy; three panels when the plate is continuous, the checked one
/// shaded. Lengths in mm.
drawing::Drawing PanelSketch(const BayInput& bay);

/// The composite section of the stiffener to scale: the plate strip be × t on top, below it the
/// flat bar, or the angle with its long leg up against the plate and its short leg at the
/// bottom, the centroidal axis x–x at Yo and the dimensions in mm, the stiffener's thickness
/// among them. An angle's designation gives its short leg and thickness ("L63x40x5"); an angle
/// never picked is left out of the drawing.
/// `be` and `Yo` are labelled with the figures the book's formulas use.
drawing::Drawing SectionDrawing(const BayInput& bay, const StiffenerResult& section,
                                const Figure& be, const Figure& Yo);

}  // namespace deckplate::report
