#pragma once
// The point load of a work platform or walkway: a force F spread evenly on a patch u × v, a
// separate load case beside the uniform one, never added to the live load. Strength takes γG·D
// and γQ·F, deflection D and F.
//
// The plate panel a × L between two stiffeners is taken as simply supported on four edges with
// the patch at its centre (the most unfavourable place for the centre's moment and deflection;
// a continuous plate is taken the same way, conservative at the centre). The patch's part is
// the elastic thin-plate solution, ν = 0.3, summed as Lévy's single series to within 0.05 % of
// its limit; the dead load's part takes the uniform check's α and β. One stiffener carries the
// whole force at midspan and one spacing of dead load, on the uniform check's composite section.

#include <array>
#include <string>
#include <vector>

#include "calc/deck_plate.h"
#include "calc/stiffener.h"
#include "calc/stiffener_shear.h"
#include "calc/verdict.h"
#include "calc/weld.h"

namespace deckplate {

/// A point load: force in kN (a standard value), the patch in mm, `across` the stiffeners
/// (along the spacing a) and `along` them (along the span L).
struct PointLoad {
    double force = kPointLoadForce;
    double across = kPointLoadPatch;
    double along = kPointLoadPatch;

    friend bool operator==(const PointLoad&, const PointLoad&) = default;
};

/// One term of the series at the centre, per unit force as PatchInfluence's sums.
struct PatchSeriesTerm {
    int m = 0;                ///< 1, 3, 5 …
    double deflection = 0;    ///< mm²
    double momentAcross = 0;  ///< the moment bending the plate across the stiffeners (along a)
    double momentAlong = 0;   ///< the moment bending it along them (along L)
};

/// How many of the series' first terms an influence keeps, for a reader to retrace the sum.
inline constexpr std::size_t kFirstSeriesTerms = 3;

/// The centre of a plate a × L simply supported on four edges under a centred patch carrying a
/// force of 1: the larger of its two bending moments (N·mm/mm per N) and its deflection times
/// E·t³ (mm², so that w = deflection·F / (E·t³)). It depends on the plate's plan and the patch
/// only: a search over many thicknesses and stiffeners computes it once.
struct PatchInfluence {
    double across = 0, along = 0;  ///< the patch as it acts, cut to the panel, mm
    double moment = 0;             ///< the larger of momentAcross and momentAlong
    double deflection = 0;
    double momentAcross = 0, momentAlong = 0;  ///< the sums of the terms' moments
    int terms = 0;  ///< the odd terms m = 1, 3, 5 … of the series summed
    /// The terms m = 1, 3, 5 as summed; those beyond `terms` stay empty (m = 0).
    std::array<PatchSeriesTerm, kFirstSeriesTerms> firstTerms{};
};

/// The most terms the series sums: beyond them it throws NoConvergence rather than report a sum
/// short of its limit.
inline constexpr int kMostSeriesTerms = 1000001;

/// spacing a, span L and the patch in mm; a patch larger than the panel is cut to it. Throws
/// ArithmeticError on a spacing, span or patch of 0, and NoConvergence when the series would need
/// more than kMostSeriesTerms terms.
PatchInfluence PatchLoadInfluence(double spacing, double span, double across, double along);

/// The least side of a patch, mm: the plate's thickness. A patch smaller than its plate is thick
/// is a load the thin-plate solution does not describe (its stress under the patch grows without
/// bound as the patch shrinks): the command line, schedules and the window refuse it.
inline double LeastPatchSide(double thickness) { return thickness; }

/// The influences a run has summed, by plan and patch, kept for the next bay with the same: the
/// bays of a schedule repeat a handful of panels and patches. Holds the last kRemembered.
class PatchInfluenceMemo {
  public:
    /// PatchLoadInfluence, summed only for a plan and patch not seen among the last few.
    const PatchInfluence& Of(double spacing, double span, double across, double along);

  private:
    static constexpr std::size_t kRemembered = 32;
    struct Entry {
        std::array<double, 4> key;
        PatchInfluence influence;
    };
    std::vector<Entry> entries_;
    std::size_t next_ = 0;  ///< the entry replaced next once all are taken
};

/// The plate's results as the window shows them, each to 2 decimals.
struct PointLoadPlateShown {
    ShownValue moment;      ///< kN·m per m
    ShownValue stress;      ///< N/mm²
    ShownValue deflection;  ///< mm
};

struct PointLoadPlateResult {
    double across = 0, along = 0;  ///< the patch as it acts, cut to the panel, mm
    PatchInfluence influence;      ///< the patch's, as momentPoint and deflectionPoint took it
    double momentDead = 0;         ///< α·γG·D·a², kN·m per m
    double momentPoint = 0;        ///< the patch's centre moment under γQ·F, kN·m per m
    double moment = 0;             ///< their sum
    double stress = 0;             ///< 6000·M / (1.2·t²), N/mm²
    double deflectionDead = 0;     ///< β·D·a⁴ / (E·t³) / 1000, mm
    double deflectionPoint = 0;    ///< the patch's centre deflection under F, mm
    double deflection = 0;         ///< their sum, mm
    double deflectionLimit = 0;    ///< min(a/200, 4 mm)
    double f = kStressLimit;       ///< the plate's strength limit, N/mm²
    PointLoadPlateShown shown;
};

/// The stiffener's results as the window shows them, each to 2 decimals.
struct PointLoadStiffenerShown {
    ShownValue moment;      ///< kN·m
    ShownValue stress;      ///< N/mm²
    ShownValue deflection;  ///< mm
};

/// Ms in N·mm, stresses N/mm², deflections mm.
struct PointLoadStiffenerResult {
    double Ms = 0;  ///< γG·D·a·L²/8 + γQ·F·L/4
    double stressTop = 0, stressBottom = 0;
    double stress = 0;        ///< the larger, ≥ 0, rounded to 2 decimals
    double deflection = 0;    ///< 5·D·a·L⁴/(384·E·Ix) + F·L³/(48·E·Ix)
    double f = kStressLimit;  ///< the stiffener's strength limit, N/mm²
    PointLoadStiffenerShown shown;
};

/// A deflection judged against a limit in mm: reaching it fails.
struct DeflectionLimitVerdict {
    bool exceeded = false;
    std::string text;
};

/// γQ of the point load: the basis' factor of a live load, never reduced for a heavy floor (that
/// rule is a floor's uniform load's).
double PointLoadFactor(DesignBasis basis);

/// The whole point-load case of one bay.
struct PointLoadCheck {
    PointLoad load;
    double factor = 0;  ///< γQ of the point load
    PointLoadPlateResult plate;
    PointLoadStiffenerResult stiffener;
    StrengthVerdict plateStrength;
    DeflectionLimitVerdict plateDeflection;
    StrengthVerdict stiffenerStrength;
    DeflectionVerdict stiffenerDeflection;
    /// Under the current basis: the stiffener's shear with the force standing at the support,
    /// V = γG·D·a·L/2 + γQ·F.
    std::optional<ShearCheck> shear = std::nullopt;
    /// Under the current basis: the weld under that shear.
    std::optional<WeldCheck> weld = std::nullopt;

    /// Whether the patch as given is larger than the plate panel a × L and acts cut to it
    /// (plate.across × plate.along).
    bool PatchCut() const { return plate.across < load.across || plate.along < load.along; }
};

/// The plate under the point load. dead in kN/m², thickness and spacing in mm; `plate` is the
/// uniform check of the same bay (its α, β, load factors, basis and f); `influence` the
/// patch's, from PatchLoadInfluence. Throws ArithmeticError.
PointLoadPlateResult PointLoadPlate(const PointLoad& load, double dead, double thickness,
                                    double spacing, const DeckPlateResult& plate,
                                    const PatchInfluence& influence);

/// The stiffener under the point load, on the uniform check's composite section `section` (its
/// γx), with the load factors and γ0 of `plate`, carrying `supportDead` spacings of the dead load
/// `dead` (kN/m²). Throws ArithmeticError.
PointLoadStiffenerResult PointLoadStiffener(const PointLoad& load, double dead, double thickness,
                                            double spacing, double span,
                                            const DeckPlateResult& plate,
                                            const StiffenerResult& section,
                                            double supportDead = 1.0);

/// "钢铺板集中荷载强度满足要求" or "★钢铺板集中荷载强度超出限值<215N/mm2>,须重新计算".
StrengthVerdict PointLoadPlateStrengthVerdict(double displayedStress, double strengthLimit);
/// "钢铺板集中荷载挠度满足要求" or "★钢铺板集中荷载挠度 5.2mm超出限值< 2.5mm>,须重新计算".
DeflectionLimitVerdict PointLoadPlateDeflectionVerdict(double deflection, double limit);
/// As the uniform check's, "加劲肋集中荷载强度…".
StrengthVerdict PointLoadStiffenerStrengthVerdict(double displayedStress, double strengthLimit);
/// As the uniform check's, "★加劲肋集中荷载挠度1/ 150超出限值<1/200>，须重新计算", against the
/// stiffener's limit of `basis`.
DeflectionVerdict PointLoadStiffenerDeflectionVerdict(double span, double deflection,
                                                      DesignBasis basis = DesignBasis::Legacy);

}  // namespace deckplate
