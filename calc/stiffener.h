#pragma once
// The stiffener check: a simply supported beam of the stiffener span carrying one stiffener
// spacing of deck load (under a continuous plate of the current basis, the first interior
// support's share: 1.143 spacings of dead and 1.223 of live load), its section made of the
// stiffener and a plate strip 30·t·εk wide (30 t under the legacy basis), but no wider than the
// spacing.

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "calc/angle_catalogue.h"
#include "calc/design_basis.h"
#include "calc/number_text.h"
#include "calc/steel_grade.h"
#include "calc/verdict.h"

namespace deckplate {

/// A flat bar standing on edge under the plate, mm.
struct FlatBar {
    double height = 0;
    double thickness = 0;

    friend bool operator==(const FlatBar&, const FlatBar&) = default;
};

using Stiffener = std::variant<FlatBar, AngleValues>;

/// The results as the window shows them, in its units: two decimals, the self-weight one.
struct StiffenerShown {
    ShownValue moment;             ///< kN·m
    ShownValue deflection;         ///< mm
    ShownValue stress;             ///< N/mm²
    ShownValue centroid;           ///< stiffener's own centroid, cm
    ShownValue inertia;            ///< stiffener's own moment of inertia, cm⁴
    ShownValue area;               ///< stiffener area, cm²
    ShownValue compositeCentroid;  ///< Yo, cm
    ShownValue compositeInertia;   ///< Ix, cm⁴
    ShownValue selfWeight{0, 1};   ///< kN/m², one decimal
    ShownValue liveDeflection;     ///< mm, under the live load alone (current basis)
};

/// The loads one stiffener carries, as surface loads over one spacing, kN/m²: its design load
/// (γ0·(γG·kD·D + γQ·kP·P) under the current basis, the plate's q under the legacy one), its
/// standard load (kD·D + kP·P) and its live load alone (kP·P).
struct StiffenerLoads {
    double design = 0;
    double standard = 0;
    double live = 0;
};

/// A flat bar's section as the report prints it, rounded to 2 decimals.
struct FlatBarStored {
    double area = 0;     ///< cm²
    double inertia = 0;  ///< cm⁴
};

/// All lengths in mm, areas mm², moments of inertia mm⁴, Ms in N·mm, stresses N/mm².
struct StiffenerResult {
    double be = 0, Ap = 0, Ip = 0;  ///< effective plate strip
    double As = 0, Is = 0, ys = 0;  ///< stiffener alone; ys from the plate's top face
    double Yo = 0, Ix = 0;          ///< composite section
    double depth = 0;               ///< stiffener's depth below the plate
    /// Whether the plate beside the stiffener is an outstand beyond S3 (current basis, a spacing
    /// above 26·t·εk): the composite section then takes γx = 1.0 at both fibres.
    bool slenderFlange = false;
    double topGamma = 0;        ///< γx of the plate's top face
    double bottomGamma = 0;     ///< γx of the stiffener's lower edge
    double Ms = 0;              ///< bending moment
    double deflection = 0;      ///< δs
    double liveDeflection = 0;  ///< δs under the live load alone
    double stressTop = 0, stressBottom = 0;
    double stress = 0;  ///< σs, the larger extreme-fibre stress, ≥ 0, rounded to 2 decimals
    double f = kStressLimit;  ///< strength limit of the stiffener, N/mm²
    double fv = 0;            ///< its shear strength, N/mm² (current basis)
    double epsilonK = 1;      ///< √(235 / fy) of its grade (current basis), 1 under the legacy
    double selfWeight = 0;    ///< w, plate and stiffeners, kN/m²
    StiffenerShown shown;
    std::optional<FlatBarStored> flatBar;  ///< set for a flat bar only
};

/// Width of the effective plate strip, mm: 30·t·εk, but no more than the spacing, so that two
/// stiffeners never count the same plate. thickness, spacing in mm; εk 1 under the legacy basis.
double PlateStripWidth(double thickness, double spacing, double epsilonK = 1);

/// The thickness that decides a stiffener's strength limit, mm: a flat bar's thickness, an
/// angle's leg thickness.
double StiffenerThickness(const Stiffener& stiffener);

/// Whether the deck plate beside a stiffener is a compression outstand beyond S3: under the current
/// basis, a spacing above 2·13·t·εk. thickness, spacing in mm.
bool SlenderPlateFlange(double thickness, double spacing, double epsilonK, DesignBasis basis);

/// Section, moment, deflections and stresses (everything but the self-weight), and the
/// stiffener's strengths under `basis` and, under the current basis, of `steel`. thickness, span,
/// spacing in mm; loads in kN/m². Throws ArithmeticError.
StiffenerResult StiffenerBeam(double thickness, const StiffenerLoads& loads, double span,
                              double spacing, const Stiffener& stiffener,
                              DesignBasis basis = DesignBasis::Legacy,
                              SteelGrade steel = SteelGrade::Q235);

/// Weight of one square metre of floor, plate and stiffeners, kN/m²: 0.0785·(t + As / a) with
/// the plate thickness t and the spacing a in mm and the stiffener area As in mm² (steel at
/// 78.5 kN/m³). Throws on a spacing of 0.
double SelfWeight(double thickness, double spacing, double stiffenerArea);

/// Adds the self-weight of `thickness` plate and `r`'s stiffeners at `spacing` to `r`. Throws on a
/// spacing of 0.
void AddSelfWeight(StiffenerResult& r, double thickness, double spacing);

/// StiffenerBeam followed by AddSelfWeight, for a stiffener carrying one spacing of the plate's
/// design load q and standard load qk (kN/m²), its live load alone unknown.
StiffenerResult CheckStiffener(double thickness, double q, double qk, double span, double spacing,
                               const Stiffener& stiffener, DesignBasis basis = DesignBasis::Legacy,
                               SteelGrade steel = SteelGrade::Q235);

/// Stiffener strength from the stress as displayed (N/mm², rounded): the strength limit f
/// (N/mm²) or more fails; the exceeded verdict shows f ("<215N/mm2>").
StrengthVerdict StiffenerStrengthVerdict(double displayedStress,
                                         double strengthLimit = kStressLimit);

/// The stiffener's deflection limit, as span / deflection: 200 under the legacy basis, 250 under
/// the current one.
double StiffenerDeflectionLimit(DesignBasis basis);

/// The end of an exceeded stiffener deflection's verdict against the limit of `basis`:
/// "超出限值<1/250>，须重新计算".
std::string_view StiffenerDeflectionExceededSuffix(DesignBasis basis);

/// Stiffener deflection: span / δs at the limit of `basis` or less fails. Throws when δs is 0.
DeflectionVerdict StiffenerDeflectionVerdict(double span, double deflection,
                                             DesignBasis basis = DesignBasis::Legacy);

/// The stiffener's deflection under the live load alone: span / δ of 300 or less fails. Throws
/// when δ is 0.
DeflectionVerdict StiffenerLiveDeflectionVerdict(double span, double deflection);

}  // namespace deckplate
