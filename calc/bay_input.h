#pragma once
// What one bay is, as one value: the loads, the plate, the stiffener span and spacing, the
// plate's boundary, the stiffener, the design basis and steel grade, and the point load. The
// command line, a schedule's row, the window's Verify and a sizing candidate each produce it in one
// place; the check (bay_check.h), the calculation book and every output take it. Text is made from
// it at the edge that shows it.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "calc/design_basis.h"
#include "calc/point_load.h"
#include "calc/steel_grade.h"
#include "calc/stiffener.h"
#include "calc/weld.h"

namespace deckplate {

/// The deck plate's thickness, mm.
struct PlateThickness {
    double mm = 0;

    friend bool operator==(const PlateThickness&, const PlateThickness&) = default;
};

/// A thickness given as a number.
PlateThickness ThicknessOf(double mm);

/// The plate's boundary as the window's two ticks give it. The plate is computed as continuous
/// whenever `continuous` is ticked, else as simply supported on four edges, ticked or not.
struct Boundary {
    bool simple = true;       ///< 四边简支
    bool continuous = false;  ///< 三跨及以上连续

    friend bool operator==(const Boundary&, const Boundary&) = default;
};

/// A plate continuous over three or more spans (the command line's --continuous) or not.
Boundary BoundaryOf(bool continuous);

/// An angle of the catalogue by its list position (angle_catalogue.h); −1 is none picked yet.
struct CatalogueAngle {
    std::int16_t position = -1;

    friend bool operator==(const CatalogueAngle&, const CatalogueAngle&) = default;
};

/// The stiffener as the engineer chooses it: a flat bar h × t, or an angle of the catalogue.
using StiffenerChoice = std::variant<FlatBar, CatalogueAngle>;

/// "80x8" (the plain numbers of h and t) or "L63x40x5" (the catalogue's designation); empty for
/// an angle never picked.
std::string StiffenerName(const StiffenerChoice& stiffener);

/// The section values the check takes: the flat bar as it is, or the angle's catalogue values;
/// an angle never picked has no section at all (every value 0), as the window holds it.
Stiffener StiffenerSection(const StiffenerChoice& stiffener);

/// A bay's inputs by name, so that a message can say which one is wrong: the wording is each front
/// end's (an option or a column on the command line, a box's caption in the window).
enum class BayField {
    Name,  ///< a schedule row's name
    Dead,
    Live,
    Thickness,
    Span,
    Spacing,
    Boundary,
    Stiffener,      ///< the stiffener as one designation: "80x8", "L63x40x5"
    FlatBarHeight,  ///< a flat bar's parts
    FlatBarThickness,
    Basis,
    Steel,        ///< the steel grade (current basis)
    PointLoad,    ///< the point load's force
    Patch,        ///< its patch as one text: "200x200"
    PatchAcross,  ///< the patch's parts
    PatchAlong,
    SafetyClass,
    DeadIncludesSelfWeight,
    Weld,          ///< the weld's arrangement
    WeldSize,      ///< its leg size hf
    WeldSegments,  ///< an intermittent weld's segments as one text: "50@150"
    Other,         ///< none of a bay's: an option of a command
};

struct BayInput {
    double dead = 0;  ///< kN/m²
    double live = 0;  ///< kN/m²
    PlateThickness thickness{};
    double span = 0;     ///< stiffener span, mm
    double spacing = 0;  ///< stiffener spacing, mm
    Boundary boundary{};
    StiffenerChoice stiffener{};
    DesignBasis basis = DesignBasis::Legacy;
    SteelGrade steel = SteelGrade::Q235;  ///< counts under the current basis only
    /// The grade's delivery state and quality letter as the drawings give them ("B", "ND"): kept
    /// for the book's words; the strengths are the grade's.
    SteelMark steelMark{};
    std::optional<PointLoad> pointLoad = std::nullopt;  ///< a case of its own, when given
    /// Current basis: whether the dead load given already includes the floor's self-weight; when
    /// not, the checks add it.
    bool deadIncludesSelfWeight = false;
    SafetyClass safetyClass = SafetyClass::Second;  ///< current basis: gives γ0
    Weld weld{};  ///< current basis: the weld between the plate and the stiffener

    friend bool operator==(const BayInput&, const BayInput&) = default;
};

}  // namespace deckplate
