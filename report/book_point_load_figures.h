#pragma once
// The point load's figures (book_figures.h): the plate under the force on its patch with the
// dead load, and the stiffener carrying the whole force, set down on the uniform load's sheet
// (book_figure_sheet.h) after its formulas, on the same composite section.

#include <optional>

#include "report/book_figure_sheet.h"

namespace deckplate::report::figures {

/// What the point load's formulas take up from the uniform load's: the dead load the checks
/// take, the composite section, and under the current basis its first moment S and the plate
/// strip's Sp.
struct FromUniformLoad {
    Id dead;
    Id be, Ap, Yo, Ix;
    std::optional<Id> S, Sp;
};

/// Sets down the formulas of the bay's point load (f.check.pointLoad), printed as `figures`.
void PointLoadFormulas(FormulaSheet& f, const FromUniformLoad& uniform, PointLoadFigures& figures);

}  // namespace deckplate::report::figures
