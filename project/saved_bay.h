#pragma once
// A bay as the window holds it, which is what a bay file keeps: each input the window holds in
// one control as that control's text (a box's text — a number or not: a half-typed bay is saved
// and restored as it was —, a choice's word, a tick as "yes" or "no"), by its field; and the
// window's state behind the inputs no one control holds: the boundary's two ticks, the stiffener
// chosen with both the flat bar's boxes and the angle picked, the point load's switch and boxes.
// The window is filled from it; the command line reads it as a bay's options and writes one from
// the bay it checked.

#include <map>
#include <string>

#include "calc/bay_input.h"

namespace deckplate::project {

enum class StiffenerKind { FlatBar, Angle };

/// Whether an input is one the window holds in one control (a box, a list, a menu's choice or
/// switch): every input but the boundary, the stiffener and the point load with its patch.
bool HeldInOneControl(BayField field);

/// Missing from a file written by hand, a box is empty and a choice is the window's at start.
struct SavedBay {
    std::map<BayField, std::string> texts{};  ///< the inputs held in one control
    bool simplySupported = true;
    bool continuous = false;
    StiffenerKind stiffener = StiffenerKind::Angle;
    std::string flatBarHeight{}, flatBarThickness{};
    std::string angle{};  ///< the designation picked in the catalogue's form, empty for none
    bool pointLoadChecked = false;                        ///< 集中荷载验算 on
    std::string pointLoad = "1.5";                        ///< kN
    std::string patchAcross = "200", patchAlong = "200";  ///< mm

    /// The text of an input held in one control: as saved, or as a new bay has it (an empty box,
    /// the current basis, Q235, safety class 2, the self-weight added, a double-sided weld).
    std::string Text(BayField field) const;

    friend bool operator==(const SavedBay&, const SavedBay&) = default;
};

/// The bay a check took, each number written so that it reads back as the same double.
SavedBay SavedBayOf(const BayInput& bay);

}  // namespace deckplate::project
