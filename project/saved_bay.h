#pragma once
// A bay as the window holds it, which is what a bay file keeps: every box's text as it stands (a
// number or not: a half-typed bay is saved and restored as it was), the boundary's two ticks,
// the stiffener chosen with both the flat bar's boxes and the angle picked, the design basis,
// the steel grade and the point load's switch and boxes. The window is filled from it; the
// command line reads it as a bay's options and writes one from the bay it checked.

#include <string>

#include "calc/bay_input.h"
#include "calc/code_values.h"
#include "calc/design_basis.h"
#include "calc/steel_grade.h"

namespace deckplate::project {

enum class StiffenerKind { FlatBar, Angle };

/// Missing from a file written by hand, a box is empty and a choice is the window's at start.
struct SavedBay {
    std::string dead{}, live{}, thickness{}, span{}, spacing{};
    bool simplySupported = true;
    bool continuous = false;
    StiffenerKind stiffener = StiffenerKind::Angle;
    std::string flatBarHeight{}, flatBarThickness{};
    std::string angle{};  ///< the designation picked in the catalogue's form, empty for none
    DesignBasis basis = DesignBasis::Legacy;
    SteelGrade steel = SteelGrade::Q235;
    bool pointLoadChecked = false;                        ///< 集中荷载验算 on
    std::string pointLoad = "1.5";                        ///< kN
    std::string patchAcross = "200", patchAlong = "200";  ///< mm

    friend bool operator==(const SavedBay&, const SavedBay&) = default;
};

/// The bay a check took, each number written so that it reads back as the same double.
SavedBay SavedBayOf(const BayInput& bay);

}  // namespace deckplate::project
