#pragma once
// One bay checked from start to end: the plate strip, the plate, the stiffener, the self-weight
// and the four verdicts (plate strength, stiffener strength, plate deflection, stiffener
// deflection), in the order the window shows them. The window follows the stages through an
// observer; the command line, schedules and sizing take the finished check.

#include <functional>
#include <optional>

#include "calc/deck_plate.h"
#include "calc/point_load.h"
#include "calc/stiffener.h"

namespace deckplate {

struct BayInput {
    double dead = 0;       ///< kN/m²
    double live = 0;       ///< kN/m²
    double thickness = 0;  ///< plate, mm
    double span = 0;       ///< stiffener span, mm
    double spacing = 0;    ///< stiffener spacing, mm
    bool continuous = false;
    Stiffener stiffener;
    DesignBasis basis = DesignBasis::Legacy;
    std::optional<PointLoad> pointLoad = std::nullopt;  ///< a case of its own, when given
};

struct BayCheck {
    DeckPlateResult plate;
    StiffenerResult stiffener;
    StrengthVerdict plateStrength;
    StrengthVerdict stiffenerStrength;
    DeflectionVerdict plateDeflection;
    DeflectionVerdict stiffenerDeflection;
    std::optional<PointLoadCheck> pointLoad = std::nullopt;  ///< when the bay has a point load

    bool AllPass() const {
        return !plateStrength.exceeded && !stiffenerStrength.exceeded &&
               !plateDeflection.exceeded && !stiffenerDeflection.exceeded &&
               (!pointLoad || pointLoad->AllPass());
    }
};

/// How much of each limit a bay uses: 1 or more fails. Strengths are the displayed stress over
/// the part's strength limit f; deflections the limit ratio over the actual (150 / (a/δ),
/// 200 / (L/δs)), or under the point load the plate's δ over its limit in mm.
struct Utilisation {
    double plateStrength = 0;
    double plateDeflection = 0;
    double stiffenerStrength = 0;
    double stiffenerDeflection = 0;
    /// The point-load case's, when the bay has one.
    struct PointLoad {
        double plateStrength = 0;
        double plateDeflection = 0;
        double stiffenerStrength = 0;
        double stiffenerDeflection = 0;
    };
    std::optional<PointLoad> pointLoad = std::nullopt;

    /// The largest of them.
    double Governing() const;
    /// "plate_strength", "plate_deflection", "stiffener_strength", "stiffener_deflection", or
    /// with the point load also "point_load_plate_strength" … "point_load_stiffener_deflection".
    const char* GoverningCheck() const;
};

/// The stages of one bay's check, in the order they complete.
enum class BayStage {
    PlateStrip,           ///< check.stiffener.be: the plate strip that works with the stiffener
    Plate,                ///< check.plate
    Stiffener,            ///< check.stiffener: section, moment, deflection and stresses
    SelfWeight,           ///< check.stiffener.selfWeight
    PlateStrength,        ///< check.plateStrength
    StiffenerStrength,    ///< check.stiffenerStrength
    PlateDeflection,      ///< check.plateDeflection
    StiffenerDeflection,  ///< check.stiffenerDeflection
    // With a point load only:
    PointLoadPlate,      ///< check.pointLoad: the load, its factor and check.pointLoad->plate
    PointLoadStiffener,  ///< check.pointLoad->stiffener
    PointLoadVerdicts,   ///< check.pointLoad's four verdicts
};

/// Told of each stage as it completes, with the check so far (later stages still empty). A fault
/// stops the check: the observer has then been told of every stage before it, and of no other.
using BayStageObserver = std::function<void(BayStage stage, const BayCheck& check)>;

/// Checks a bay stage by stage. Throws ArithmeticError naming the quantity where a fault arose.
BayCheck CheckBay(const BayInput& bay, const BayStageObserver& observer = {});

/// A bay's plate checks, which do not depend on the stiffener, done once for trying many
/// stiffeners on one plate: the uniform check of its loads, thickness, span, spacing, boundary
/// and basis, and with a point load the plate's point-load check.
struct PlateChecks {
    DeckPlateResult plate;
    std::optional<PointLoadPlateResult> pointLoad;  ///< with a point load
};
PlateChecks CheckPlates(const BayInput& bay, DisplayTexts texts = DisplayTexts::All);

/// The same as CheckBay, with the plate checks already done.
BayCheck CheckBay(const BayInput& bay, const PlateChecks& plates,
                  DisplayTexts texts = DisplayTexts::All);

Utilisation Utilisations(const BayCheck& check);

}  // namespace deckplate
