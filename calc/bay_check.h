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
#include "calc/weld.h"

namespace deckplate {

/// The loads a bay's checks take, kN/m².
struct BayLoads {
    double dead = 0;  ///< D as given
    double live = 0;  ///< P
    /// The floor's self-weight 0.0785·(t + As/a) added to D: under the current basis, unless D
    /// includes it; 0 otherwise.
    double addedSelfWeight = 0;
    double deadTotal = 0;  ///< D + the self-weight added: the dead load every check takes
    SafetyClass safetyClass = SafetyClass::Second;
    double gamma0 = 1;  ///< the structural importance factor (current basis), 1 otherwise
    /// How many spacings of dead and live load one stiffener carries: 1, or under a continuous
    /// plate of the current basis the first interior support's 1.143 and 1.223.
    double supportDead = 1, supportLive = 1;
    StiffenerLoads stiffener{};  ///< one stiffener's design, standard and live loads
};

struct BayCheck {
    BayLoads loads;
    DeckPlateResult plate;
    StiffenerResult stiffener;
    StrengthVerdict plateStrength;
    StrengthVerdict stiffenerStrength;
    DeflectionVerdict plateDeflection;
    DeflectionVerdict stiffenerDeflection;
    std::optional<DeflectionVerdict> stiffenerLiveDeflection = std::nullopt;  ///< current basis
    std::optional<ShearCheck> shear = std::nullopt;                           ///< current basis
    std::optional<OutstandCheck> outstand = std::nullopt;                     ///< current basis
    std::optional<WeldCheck> weld = std::nullopt;                             ///< current basis
    std::optional<WeldDetailingCheck> weldDetailing = std::nullopt;           ///< current basis
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
/// basis those of the stiffener's live-load deflection, shear and outstand; with a point load its
/// plate, its stiffener
/// and its verdicts in the order of the table of checks. A fault stops the check: the observer has
/// then been told of every stage before it, and of no other.
using BayStageObserver = std::function<void(const BayStep& step, const BayCheck& check)>;

/// Checks a bay stage by stage. Throws ArithmeticError naming the quantity where a fault arose.
BayCheck CheckBay(const BayInput& bay, const BayStageObserver& observer = {});

/// What of a bay's check does not depend on the stiffener, done once for trying many stiffeners
/// on one plate: with a point load the patch's influence (Lévy's series); and where the dead load
/// the checks take is the one given (the legacy basis, or a dead load that includes the
/// self-weight) the plate's uniform check and, with a point load, its point-load check. Under the
/// current basis the self-weight added depends on the stiffener, and so the plate's checks do.
struct PlateChecks {
    std::optional<PatchInfluence> influence;        ///< with a point load
    std::optional<DeckPlateResult> plate;           ///< when it does not depend on the stiffener
    std::optional<PointLoadPlateResult> pointLoad;  ///< the same, with a point load
};
/// With a memo, a plan and patch whose influence it holds is not summed again.
PlateChecks CheckPlates(const BayInput& bay, PatchInfluenceMemo* memo = nullptr);

/// The same as CheckBay, with the checks of CheckPlates for the same bay (its stiffener aside)
/// already done.
BayCheck CheckBay(const BayInput& bay, const PlateChecks& plates);

}  // namespace deckplate
