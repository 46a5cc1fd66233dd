#pragma once
// One bay checked from start to end: the plate strip, the plate, the stiffener, the self-weight
// and the four verdicts (plate strength, stiffener strength, plate deflection, stiffener
// deflection), in the order the window shows them, then with a point load its own case. The
// window follows the stages through an observer; the command line, schedules and sizing take the
// finished check, and read its checks through the table of checks.h.

#include <functional>
#include <optional>

#include "calc/bay_input.h"
#include "calc/check_id.h"
#include "calc/deck_plate.h"
#include "calc/point_load.h"
#include "calc/stiffener.h"
#include "calc/stiffener_shear.h"

namespace deckplate {

struct BayCheck {
    DeckPlateResult plate;
    StiffenerResult stiffener;
    StrengthVerdict plateStrength;
    StrengthVerdict stiffenerStrength;
    DeflectionVerdict plateDeflection;
    DeflectionVerdict stiffenerDeflection;
    std::optional<ShearCheck> shear = std::nullopt;          ///< current basis
    std::optional<OutstandCheck> outstand = std::nullopt;    ///< current basis
    std::optional<PointLoadCheck> pointLoad = std::nullopt;  ///< when the bay has a point load

    /// Whether no check the bay has is exceeded (checks.h lists them).
    bool AllPass() const;
};

/// The stages of one bay's check: its computations, and each check's verdict as it is made.
enum class BayStage {
    PlateStrip,  ///< check.stiffener.be: the plate strip that works with the stiffener
    Plate,       ///< check.plate
    Stiffener,   ///< check.stiffener: section, moment, deflection and stresses
    SelfWeight,  ///< check.stiffener.selfWeight
    Verdict,     ///< a check's verdict (and what it alone computes: a shear, an outstand)
    // With a point load only:
    PointLoadPlate,      ///< check.pointLoad: the load, its factor and check.pointLoad->plate
    PointLoadStiffener,  ///< check.pointLoad->stiffener
};

/// One stage completed; for a verdict, the check it judges.
struct BayStep {
    BayStage stage;
    Check check = Check::PlateStrength;

    friend bool operator==(const BayStep&, const BayStep&) = default;
};

/// Told of each stage as it completes, with the check so far (later stages still empty), in this
/// order: the plate strip, the plate, the stiffener, the self-weight, the verdicts of plate
/// strength, stiffener strength, plate deflection and stiffener deflection, under the current
/// basis those of the stiffener's shear and outstand; with a point load its plate, its stiffener
/// and its verdicts in the order of the table of checks. A fault stops the check: the observer has
/// then been told of every stage before it, and of no other.
using BayStageObserver = std::function<void(const BayStep& step, const BayCheck& check)>;

/// Checks a bay stage by stage. Throws ArithmeticError naming the quantity where a fault arose.
BayCheck CheckBay(const BayInput& bay, const BayStageObserver& observer = {});

/// A bay's plate checks, which do not depend on the stiffener, done once for trying many
/// stiffeners on one plate: the uniform check of its loads, thickness, span, spacing, boundary
/// and basis, and with a point load the plate's point-load check.
struct PlateChecks {
    DeckPlateResult plate;
    std::optional<PointLoadPlateResult> pointLoad;  ///< with a point load
};
/// With a memo, a plan and patch whose influence it holds is not summed again.
PlateChecks CheckPlates(const BayInput& bay, PatchInfluenceMemo* memo = nullptr);

/// The same as CheckBay, with the plate checks already done.
BayCheck CheckBay(const BayInput& bay, const PlateChecks& plates);

}  // namespace deckplate
